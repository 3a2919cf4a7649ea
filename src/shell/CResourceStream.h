#pragma once
// A read-only stream over the bytes of an embedded resource, read in place,
// so the image decoder can take the skin pictures straight from the program.

#include <QIODevice>
#include <QResource>

class CResourceStream : public QIODevice {
    Q_OBJECT
public:
    // Opens itself for reading when the resource exists; IsValid says whether it does.
    explicit CResourceStream(const QString& resourcePath, QObject* parent = nullptr);

    bool IsValid() const { return bytes_ != nullptr; }

    bool open(OpenMode mode) override;
    bool isSequential() const override { return false; }
    qint64 size() const override { return size_; }
    // Positions past the end stop at the end, so a read there gives 0 bytes;
    // negative ones are refused.
    bool seek(qint64 position) override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    // Refused: the stream is read-only.
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    QResource resource_;
    QByteArray unpacked_;  // only for a resource that rcc compressed
    const char* bytes_ = nullptr;
    qint64 size_ = 0;
};
