#include "shell/SkinFace.h"

#include "shell/SystemError.h"

#include <QResource>
#include <QSysInfo>
#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {
// Small enough to stay out of the way, tall enough that drawing is not slowed.
constexpr int kBandRows = 32;

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
        },
        &why);
    if (!read) {
        ShowSystemError(QStringLiteral("Background is not a valid image"), 0, why);
        return std::nullopt;
    }
    return face;
}

bool SkinFace::ForEachBand(int top, int bottom, const BandDrawer& draw) const
{
    return Decode(top, bottom, kBandRows, draw);
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
    QImage band(size_.width(), std::min(bandRows, bottom - top), QImage::Format_RGB32);
    bool whole = true;
    const bool read = ReadJpeg(jpeg_, [&](jpeg_decompress_struct& info) {
        jpeg_skip_scanlines(&info, static_cast<JDIMENSION>(top));
        for (int y = top; y < bottom && whole;) {
            const int rows = std::min(band.height(), bottom - y);
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
