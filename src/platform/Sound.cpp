#include "Sound.h"

#include <canberra.h>

const char *EventoSomDoIcone(int icone)
{
    switch (icone) {
    case 16:
        return "dialog-error";
    case 32:
        return "dialog-question";
    case 48:
        return "dialog-warning";
    case 64:
        return "dialog-information";
    default:
        return nullptr;
    }
}

void TocaSomDoIcone(int icone)
{
    const char *event = EventoSomDoIcone(icone);
    if (!event)
        return;
    static ca_context *context = [] {
        ca_context *created = nullptr;
        if (ca_context_create(&created) != CA_SUCCESS)
            return static_cast<ca_context *>(nullptr);
        ca_context_change_props(created, CA_PROP_APPLICATION_NAME, "Rerevid",
                                CA_PROP_APPLICATION_ID, "rerevid", nullptr);
        return created;
    }();
    if (context) // plays asynchronously; fails silently without a sound server
        ca_context_play(context, 0, CA_PROP_EVENT_ID, event, nullptr);
}
