#pragma once
// Where a JPEG's restart intervals begin, when it has one after every whole
// row (or rows) of blocks: a stream holding only some intervals decodes
// those rows without decoding the ones above them.

#include <QByteArray>
#include <optional>
#include <vector>

struct jpeg_decompress_struct;

class JpegRestarts {
public:
    // Indexes jpeg, whose header info has read (decompression started);
    // nothing when it is not one sequential scan with whole-row intervals.
    static std::optional<JpegRestarts> Index(const QByteArray& jpeg, const jpeg_decompress_struct& info);

    int IntervalRows() const { return intervalRows_; }
    int Intervals() const { return static_cast<int>(starts_.size()) - 1; }
    // A JPEG of intervals first to last - 1, as tall as the rows they hold.
    QByteArray Splice(const QByteArray& jpeg, int first, int last, int imageHeight) const;

private:
    int headerEnd_ = 0;    // the scan's coded data starts here
    int heightAt_ = 0;     // the frame header's two height bytes
    int intervalRows_ = 0;
    // Where each interval's coded data starts; the last entry is just past
    // the end of image marker. Each interval's data ends 2 bytes before the
    // next start, with the marker that ends it.
    std::vector<int> starts_;
};
