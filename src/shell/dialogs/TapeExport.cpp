#include "shell/dialogs/TapeExport.h"

#include "shell/SystemError.h"
#include "shell/dialogs/FileDialogs.h"
#include "shell/dialogs/TapePainter.h"

#include <QApplication>
#include <QClipboard>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cmath>

namespace {
using namespace tape_geometry;

// The dot pitch of the paper itself.
constexpr qreal kPitchMm = 0.32;
constexpr int kPdfResolution = 1200;
constexpr qreal kPageMarginMm = 12;
constexpr qreal kStripGapMm = 6;

qreal MmToPdf(qreal mm)
{
    return mm / 25.4 * kPdfResolution;
}

QPageLayout PdfLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                       QPageLayout::Millimeter);
}

// Replaces `path` only once the whole file is written.
template <typename Write>
bool SaveWhole(const QString& path, QString& error, Write write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (!write(file, error)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

void SaveTape(QWidget* owner, const QString& title, const QString& name, const QString& filter,
              const QString& suffix, bool (*write)(const PrinterTape&, const QString&, QString&),
              const PrinterTape& tape)
{
    FileRequest request{FileRequest::Kind::Save, owner, title, DocumentsFolder(), name,
                        {filter, QStringLiteral("All files (*)")}, suffix};
    const QString path = PickFile(request);
    if (path.isEmpty())
        return;
    QString error;
    if (!write(tape, path, error))
        ShowSystemError(title, 0, path + QStringLiteral("\n") + error);
}
} // namespace

TapePdfPage PdfPageLayout()
{
    const QSizeF usable = PdfLayout().paintRect(QPageLayout::Millimeter).size();
    const int strips = static_cast<int>((usable.width() + kStripGapMm) / (StripWidth * kPitchMm + kStripGapMm));
    // StripHeight(n) = 2 Margin + n LineHeight - (LineHeight - Rows), solved for n.
    const qreal pitches = usable.height() / kPitchMm;
    const int lines = static_cast<int>((pitches - 2 * Margin + LineHeight - DotGlyph::Rows) / LineHeight);
    return {lines, std::max(1, strips)};
}

QImage TapeImage(const PrinterTape& tape)
{
    qreal pitch = kPngPitch;
    const qreal pixels = StripWidth * pitch * StripHeight(tape.Size()) * pitch;
    if (pixels > kMaxPngPixels)
        pitch *= std::sqrt(kMaxPngPixels / pixels);
    QImage image(static_cast<int>(std::ceil(StripWidth * pitch)),
                 static_cast<int>(std::ceil(StripHeight(tape.Size()) * pitch)), QImage::Format_Grayscale8);
    if (image.isNull())
        return image;
    const int dotsPerMetre = qRound(pitch / kPitchMm * 1000);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(tape_colours::Paper);
    QPainter painter(&image);
    PaintTapeShapes(painter, tape, 0, tape.Size(), QPointF(), pitch);
    return image;
}

bool WriteTapePng(const PrinterTape& tape, const QString& path, QString& error)
{
    const QImage image = TapeImage(tape);
    if (image.isNull()) {
        error = QStringLiteral("Not enough memory for the picture.");
        return false;
    }
    return SaveWhole(path, error, [&](QSaveFile& file, QString& reason) {
        QImageWriter writer(&file, "png");
        if (writer.write(image))
            return true;
        reason = writer.errorString();
        return false;
    });
}

bool WriteTapePdf(const PrinterTape& tape, const QString& path, QString& error)
{
    return SaveWhole(path, error, [&](QSaveFile& file, QString& reason) {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(PdfLayout());
        writer.setTitle(QStringLiteral("TI Printer tape"));
        writer.setCreator(QStringLiteral("Norvane"));
        const TapePdfPage page = PdfPageLayout();
        const qreal pitch = MmToPdf(kPitchMm);
        const qreal stripStep = MmToPdf(StripWidth * kPitchMm + kStripGapMm);
        QPainter painter(&writer);
        std::size_t first = 0;
        // An empty tape still gives one page, with a blank strip.
        for (bool firstPage = true; firstPage || first < tape.Size(); firstPage = false) {
            if (!firstPage)
                writer.newPage();
            for (int strip = 0; strip < page.stripsPerPage; ++strip) {
                const std::size_t end = std::min(tape.Size(), first + static_cast<std::size_t>(page.linesPerStrip));
                const QPointF top(strip * stripStep, 0);
                // White paper with its edges drawn: a printed page needs no grey.
                painter.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), MmToPdf(0.1)));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(TapePaper(top, end - first, pitch));
                PaintTapeShapes(painter, tape, first, end,
                                top - QPointF(0, static_cast<qreal>(first) * LineHeight * pitch), pitch);
                first = end;
                if (first == tape.Size())
                    break;
            }
        }
        if (painter.end())
            return true;
        reason = QStringLiteral("The PDF could not be drawn.");
        return false;
    });
}

void SaveTapeAsPng(const PrinterTape& tape, QWidget* owner)
{
    SaveTape(owner, QStringLiteral("Save tape as PNG"), QStringLiteral("tape.png"),
             QStringLiteral("PNG images (*.png)"), QStringLiteral("png"), WriteTapePng, tape);
}

void SaveTapeAsPdf(const PrinterTape& tape, QWidget* owner)
{
    SaveTape(owner, QStringLiteral("Save tape as PDF"), QStringLiteral("tape.pdf"),
             QStringLiteral("PDF documents (*.pdf)"), QStringLiteral("pdf"), WriteTapePdf, tape);
}

void CopyTapeAsPicture(const PrinterTape& tape)
{
    QApplication::clipboard()->setImage(TapeImage(tape));
}
