#include "shell/JpegRestarts.h"

#include <algorithm>
#include <cstdio>  // before jpeglib.h, which needs FILE
#include <cstring>
#include <jpeglib.h>

namespace {
constexpr unsigned char kMarker = 0xff;
constexpr unsigned char kStuffed = 0x00;
constexpr unsigned char kFirstRestart = 0xd0;
constexpr unsigned char kLastRestart = 0xd7;
constexpr unsigned char kEndOfImage = 0xd9;
constexpr unsigned char kStartOfScan = 0xda;
constexpr unsigned char kBaselineFrame = 0xc0;
constexpr unsigned char kExtendedFrame = 0xc1;

unsigned char At(const QByteArray& bytes, int i)
{
    return static_cast<unsigned char>(bytes[i]);
}
}  // namespace

std::optional<JpegRestarts> JpegRestarts::Index(const QByteArray& jpeg, const jpeg_decompress_struct& info)
{
    if (info.progressive_mode || info.restart_interval == 0 || info.comps_in_scan != info.num_components ||
        info.MCUs_per_row == 0 || info.restart_interval % info.MCUs_per_row != 0)
        return std::nullopt;
    JpegRestarts index;
    const auto mcuRows = static_cast<int>(info.restart_interval / info.MCUs_per_row);
    index.intervalRows_ = mcuRows * info.max_v_samp_factor * DCTSIZE;
    // The marker segments up to the start of the scan.
    const int size = static_cast<int>(jpeg.size());
    int at = 2;
    while (index.headerEnd_ == 0) {
        if (at + 4 > size || At(jpeg, at) != kMarker)
            return std::nullopt;
        const unsigned char marker = At(jpeg, at + 1);
        const int length = At(jpeg, at + 2) << 8 | At(jpeg, at + 3);
        if (marker == kBaselineFrame || marker == kExtendedFrame)
            index.heightAt_ = at + 5;
        if (marker == kStartOfScan)
            index.headerEnd_ = at + 2 + length;
        at += 2 + length;
    }
    if (index.heightAt_ == 0)
        return std::nullopt;
    // The coded data: 0xff is followed by a stuffed zero, a fill byte or a marker.
    index.starts_.push_back(index.headerEnd_);
    const char* const bytes = jpeg.constData();
    for (at = index.headerEnd_; at + 1 < size; ++at) {
        const void* const found = std::memchr(bytes + at, kMarker, static_cast<std::size_t>(size - 1 - at));
        if (!found)
            break;
        at = static_cast<int>(static_cast<const char*>(found) - bytes);
        const unsigned char next = At(jpeg, at + 1);
        if (next == kStuffed || next == kMarker)
            continue;
        if (next < kFirstRestart || next > kLastRestart) {
            if (next != kEndOfImage)
                return std::nullopt;
            index.starts_.push_back(at + 2);
            break;
        }
        index.starts_.push_back(at + 2);
        ++at;
    }
    const auto expected = static_cast<int>((info.MCU_rows_in_scan + mcuRows - 1) / mcuRows);
    if (index.Intervals() != expected || At(jpeg, index.starts_.back() - 1) != kEndOfImage)
        return std::nullopt;
    return index;
}

QByteArray JpegRestarts::Splice(const QByteArray& jpeg, int first, int last, int imageHeight) const
{
    QByteArray spliced = jpeg.left(headerEnd_);
    const int height = std::min(last * intervalRows_, imageHeight) - first * intervalRows_;
    spliced[heightAt_] = static_cast<char>(height >> 8);
    spliced[heightAt_ + 1] = static_cast<char>(height & 0xff);
    spliced.reserve(headerEnd_ + starts_[last] - starts_[first]);
    for (int interval = first; interval < last; ++interval) {
        const int start = starts_[interval];
        spliced.append(jpeg.constData() + start, starts_[interval + 1] - 2 - start);
        // Restart markers count 0 to 7 from the scan's start.
        const bool lastOne = interval + 1 == last;
        spliced.append(static_cast<char>(kMarker));
        spliced.append(static_cast<char>(lastOne ? kEndOfImage : kFirstRestart + (interval - first) % 8));
    }
    return spliced;
}
