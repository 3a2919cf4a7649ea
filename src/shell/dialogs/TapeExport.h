#pragma once
// The whole tape as a picture or a PDF to print, and the commands that save
// or copy it. The text of the tape is the print file already.

#include "printer/PrinterTape.h"

#include <QImage>
#include <QString>

class QWidget;

// PNG: four pixels a dot pitch, tagged so that the tape prints at its real
// size; a tape too long for that is drawn finer so the picture stays under
// kMaxPngPixels.
constexpr qreal kPngPitch = 4;
constexpr qint64 kMaxPngPixels = 64'000'000;
// PDF: A4 pages, each holding the tape cut into side-by-side strips.
struct TapePdfPage {
    int linesPerStrip;
    int stripsPerPage;
    int Lines() const { return linesPerStrip * stripsPerPage; }
};
TapePdfPage PdfPageLayout();

QImage TapeImage(const PrinterTape& tape);
// False with the reason in `error` when the file cannot be written; an
// existing file is replaced only by a complete one.
bool WriteTapePng(const PrinterTape& tape, const QString& path, QString& error);
bool WriteTapePdf(const PrinterTape& tape, const QString& path, QString& error);

void SaveTapeAsPng(const PrinterTape& tape, QWidget* owner);
void SaveTapeAsPdf(const PrinterTape& tape, QWidget* owner);
void CopyTapeAsPicture(const PrinterTape& tape);
