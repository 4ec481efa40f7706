#include "ProgramState.h"

ProgramState &Programa()
{
    static ProgramState state;
    return state;
}
