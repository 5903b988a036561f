#include "sheet/sheet_document.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace r5 {

void paintSheet(const QString& html, QPagedPaintDevice* device)
{
    device->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                      QPageLayout::Millimeter));
    QTextDocument document;
    document.setHtml(html);
    document.print(device);
}

QByteArray sheetPdf(const QString& html, const QString& title)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator("r5prog");
    paintSheet(html, &writer);
    return pdf;
}

} // namespace r5
