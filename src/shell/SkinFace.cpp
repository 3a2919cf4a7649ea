#include "shell/SkinFace.h"

#include "shell/SystemError.h"

#include <QResource>
#include <QSysInfo>
#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <csetjmp>
#include <cstdio>
#include <deque>
#include <jpeglib.h>
#include <mutex>
#include <thread>

namespace {
// Small enough to stay out of the way, tall enough that drawing is not slowed.
constexpr int kBandRows = 32;
// Rows worth decoding in two halves at once: a whole face, not a key.
constexpr int kHalvedRows = 256;
// Bands the second half may run ahead by.
constexpr std::size_t kBandsAhead = 4;

// QImage::Format_RGB32 byte by byte, its unused byte 0xff.
constexpr J_COLOR_SPACE kRgb32 = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// libjpeg's fatal errors jump back to ReadJpeg instead of ending the program.
struct JpegErrors {
    jpeg_error_mgr manager{};
    std::jmp_buf exit{};
    char text[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void JumpOut(j_common_ptr info)
{
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    errors->manager.format_message(info, errors->text);
    std::longjmp(errors->exit, 1);
}

void Quiet(j_common_ptr) {}

// Bands decoded on a second thread, handed over to the one that draws.
class BandHandover {
public:
    void Give(const QImage& band, int top, int rows)
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return bands_.size() < kBandsAhead; });
        bands_.push_back({band, top, rows});
        changed_.notify_all();
    }
    void Close()
    {
        const std::lock_guard lock(mutex_);
        closed_ = true;
        changed_.notify_all();
    }
    // Draws the bands given so far, or, with untilClosed, all of them.
    void Draw(const SkinFace::BandDrawer& draw, bool untilClosed)
    {
        for (;;) {
            std::unique_lock lock(mutex_);
            if (untilClosed)
                changed_.wait(lock, [&] { return closed_ || !bands_.empty(); });
            if (bands_.empty())
                return;
            const Band band = bands_.front();
            bands_.pop_front();
            changed_.notify_all();
            lock.unlock();
            draw(band.image, band.top, band.rows);
        }
    }

private:
    struct Band {
        QImage image;
        int top;
        int rows;
    };
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Band> bands_;
    bool closed_ = false;
};

// Runs read over jpeg's decompression, started for RGB32 rows; false, with
// libjpeg's reason in why, when it fails. read must own nothing that needs
// destroying while it calls libjpeg.
bool ReadJpeg(const QByteArray& jpeg, const std::function<void(jpeg_decompress_struct&)>& read, QString* why = nullptr)
{
    jpeg_decompress_struct info{};
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpOut;
    errors.manager.output_message = Quiet;
    jpeg_create_decompress(&info);
    if (setjmp(errors.exit) != 0) {
        jpeg_destroy_decompress(&info);
        if (why)
            *why = QString::fromLocal8Bit(errors.text);
        return false;
    }
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                 static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = kRgb32;
    jpeg_start_decompress(&info);
    read(info);
    // Rows left unread are not needed.
    jpeg_destroy_decompress(&info);
    return true;
}
}  // namespace

std::optional<SkinFace> SkinFace::Open(const QString& path)
{
    const QResource resource(path);
    if (!resource.isValid() || resource.size() <= 0) {
        ShowSystemError(QStringLiteral("Cannot find background"), ENOENT);
        return std::nullopt;
    }
    SkinFace face;
    face.jpeg_ = resource.compressionAlgorithm() == QResource::NoCompression
                     ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size())
                     : resource.uncompressedData();
    QString why;
    const bool read = ReadJpeg(
        face.jpeg_,
        [&](jpeg_decompress_struct& info) {
            face.size_ = QSize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
            face.restarts_ = JpegRestarts::Index(face.jpeg_, info);
        },
        &why);
    if (!read) {
        ShowSystemError(QStringLiteral("Background is not a valid image"), 0, why);
        return std::nullopt;
    }
    return face;
}

// A long run of rows is decoded as two halves at once, the lower one on a
// second thread; its bands are drawn here, between this thread's own.
bool SkinFace::ForEachBand(int top, int bottom, const BandDrawer& draw) const
{
    const int middle = restarts_ ? (top + bottom) / 2 / restarts_->IntervalRows() * restarts_->IntervalRows() : 0;
    if (bottom - top < kHalvedRows || middle <= top)
        return Decode(top, bottom, kBandRows, draw);
    BandHandover handover;
    bool lowerRead = false;
    std::thread lower([&] {
        lowerRead = Decode(middle, bottom, kBandRows,
                           [&](const QImage& band, int y, int rows) { handover.Give(band, y, rows); });
        handover.Close();
    });
    const bool upperRead = Decode(top, middle, kBandRows, [&](const QImage& band, int y, int rows) {
        draw(band, y, rows);
        handover.Draw(draw, false);
    });
    handover.Draw(draw, true);
    lower.join();
    return upperRead && lowerRead;
}

QImage SkinFace::Whole() const
{
    QImage whole;
    Decode(0, size_.height(), size_.height(), [&](const QImage& band, int, int) { whole = band; });
    return whole;
}

bool SkinFace::Decode(int top, int bottom, int bandRows, const BandDrawer& draw) const
{
    if (jpeg_.isEmpty())
        return false;
    top = std::max(top, 0);
    bottom = std::min(bottom, size_.height());
    if (top >= bottom)
        return true;
    // The intervals holding the rows, and one more each way: the colour is
    // smoothed across their edges.
    int first = 0;
    QByteArray stream = jpeg_;
    if (restarts_) {
        const int intervalRows = restarts_->IntervalRows();
        const int from = std::max(top / intervalRows - 1, 0);
        const int to = std::min((bottom + intervalRows - 1) / intervalRows + 1, restarts_->Intervals());
        if (from > 0 || to < restarts_->Intervals()) {
            stream = restarts_->Splice(jpeg_, from, to, size_.height());
            first = from * intervalRows;
        }
    }
    QImage band(size_.width(), std::min(bandRows, bottom - top), QImage::Format_RGB32);
    bool whole = true;
    const bool read = ReadJpeg(stream, [&](jpeg_decompress_struct& info) {
        jpeg_skip_scanlines(&info, static_cast<JDIMENSION>(top - first));
        for (int y = top; y < bottom && whole;) {
            const int rows = std::min(band.height(), bottom - y);
            // A band still held by whoever it was given to is left to them.
            if (!band.isDetached())
                band = QImage(band.size(), band.format());
            for (int row = 0; row < rows && whole;) {
                JSAMPROW line = band.scanLine(row);
                const auto read = static_cast<int>(jpeg_read_scanlines(&info, &line, 1));
                whole = read > 0;
                row += read;
            }
            if (whole)
                draw(band, y, rows);
            y += rows;
        }
    });
    return read && whole;
}
