#include "Printing.h"

#include "app/Clock.h"
#include "dates/DateRules.h"
#include "text/TextTable.h"

#include <QAbstractTextDocumentLayout>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include <cmath>
#include <memory>

namespace {

PrintDialogResponder &responder()
{
    static PrintDialogResponder current = [](QPrinter &printer, QWidget *owner) {
        QPrintDialog dialog(&printer, owner);
        return dialog.exec() == QDialog::Accepted;
    };
    return current;
}

QString headerLeft()
{
    return TituloPrograma() + QStringLiteral(" - ") + Texto(812);
}

QString footerLeft()
{
    return TituloPrograma() + QStringLiteral(" - ") + Texto(819) + QStringLiteral(" - ") + Texto(5);
}

} // namespace

PrintDialogResponder DefinePrintDialogResponder(PrintDialogResponder next)
{
    PrintDialogResponder previous = std::move(responder());
    responder() = std::move(next);
    return previous;
}

bool ImprimeDocumento(const QTextDocument &source, QPrinter &printer)
{
    // 1 cm left and right, half an inch top and bottom.
    printer.setPageMargins(QMarginsF(10.0, 12.7, 10.0, 12.7), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;

    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QFont bandFont(QStringLiteral("Verdana"), 8);
    painter.setFont(bandFont);
    const qreal band = QFontMetricsF(bandFont, &printer).height() * 2;
    const QRectF body(0, band, page.width(), page.height() - 2 * band);
    if (body.height() <= 0)
        return false;

    std::unique_ptr<QTextDocument> document(source.clone());
    document->documentLayout()->setPaintDevice(&printer);
    document->setPageSize(body.size());
    const int pages = std::max(1, document->pageCount());
    const QString date = QLocale().toString(Clock::today(), QLocale::ShortFormat);

    for (int p = 1; p <= pages; ++p) {
        if (p > 1 && !printer.newPage())
            return false;
        painter.setFont(bandFont);
        const QRectF header(0, 0, page.width(), band * 0.75);
        painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, headerLeft());
        painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter,
                         Texto(813) + QStringLiteral(" %1/%2").arg(p).arg(pages));
        const QRectF footer(0, page.height() - band * 0.75, page.width(), band * 0.75);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, footerLeft());
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter, date);

        painter.save();
        painter.translate(0, band - (p - 1) * body.height());
        const QRectF clip(0, (p - 1) * body.height(), body.width(), body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        painter.setClipRect(clip);
        document->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

bool Imprime(const QTextDocument &document, QWidget *owner)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!responder()(printer, owner))
        return true; // the user chose not to print
    return ImprimeDocumento(document, printer);
}
