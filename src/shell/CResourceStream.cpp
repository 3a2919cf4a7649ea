#include "shell/CResourceStream.h"

#include <algorithm>
#include <cstring>

CResourceStream::CResourceStream(const QString& resourcePath, QObject* parent)
    : QIODevice(parent), resource_(resourcePath)
{
    if (!resource_.isValid() || (resource_.size() <= 0 && resource_.data() == nullptr))
        return;
    if (resource_.compressionAlgorithm() == QResource::NoCompression) {
        bytes_ = reinterpret_cast<const char*>(resource_.data());
        size_ = resource_.size();
    } else {
        unpacked_ = resource_.uncompressedData();
        bytes_ = unpacked_.constData();
        size_ = unpacked_.size();
    }
    open(QIODevice::ReadOnly);
}

bool CResourceStream::open(OpenMode mode)
{
    if (!IsValid() || (mode & QIODevice::WriteOnly) || !(mode & QIODevice::ReadOnly))
        return false;
    return QIODevice::open(mode | QIODevice::Unbuffered);
}

bool CResourceStream::seek(qint64 position)
{
    if (position < 0)
        return false;
    return QIODevice::seek(std::min(position, size_));
}

qint64 CResourceStream::readData(char* data, qint64 maxSize)
{
    const qint64 position = pos();
    const qint64 count = std::clamp<qint64>(size_ - position, 0, std::max<qint64>(maxSize, 0));
    if (count > 0)
        std::memcpy(data, bytes_ + position, static_cast<size_t>(count));
    return count;
}

qint64 CResourceStream::writeData(const char*, qint64)
{
    return -1;
}
