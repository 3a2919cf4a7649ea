// The page keeps the calculator between visits as one block of bytes:
//   "NVS1", angle unit, display format, fixed decimals (one byte each),
//   the program file's length (16 bits, little-endian) and bytes,
//   the memo's length and bytes (0 when no text is set).
#include "web/WebSession.h"

#include <algorithm>

#include "storage/ByteOrder.h"
#include "storage/MemoFile.h"

namespace {

constexpr unsigned char kMagic[] = {'N', 'V', 'S', '1'};
constexpr std::size_t kSettingsAt = sizeof kMagic;
constexpr std::size_t kFirstPartAt = kSettingsAt + 3;

void AppendPart(std::vector<unsigned char>& out, const std::vector<unsigned char>& part)
{
    storage::AppendLittleEndian(out, static_cast<uint16_t>(part.size()));
    out.insert(out.end(), part.begin(), part.end());
}

// The part at offset, which then moves past it; false when the bytes end first.
bool TakePart(std::span<const unsigned char> bytes, std::size_t& offset, std::span<const unsigned char>& part)
{
    if (bytes.size() < offset + 2)
        return false;
    const std::size_t size = storage::ReadLittleEndian<uint16_t>(bytes, offset);
    offset += 2;
    if (bytes.size() < offset + size)
        return false;
    part = bytes.subspan(offset, size);
    offset += size;
    return true;
}

} // namespace

std::vector<unsigned char> WebSession::SaveState()
{
    std::vector<unsigned char> program;
    std::vector<unsigned char> memo;
    SaveProgram(program, memo);
    std::vector<unsigned char> out(std::begin(kMagic), std::end(kMagic));
    const CCalc::DisplayModes modes = calc_->GetDisplayModes();
    out.push_back(static_cast<unsigned char>(modes.angleUnit));
    out.push_back(static_cast<unsigned char>(modes.displayFormat));
    out.push_back(static_cast<unsigned char>(modes.fixDigits));
    AppendPart(out, program);
    AppendPart(out, memo);
    return out;
}

bool WebSession::RestoreState(std::span<const unsigned char> bytes)
{
    std::size_t offset = kFirstPartAt;
    std::span<const unsigned char> program;
    std::span<const unsigned char> memo;
    const bool whole = bytes.size() >= kFirstPartAt && std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin()) &&
                       TakePart(bytes, offset, program) && TakePart(bytes, offset, memo) && offset == bytes.size();
    const CCalc::DisplayModes modes =
        whole ? CCalc::DisplayModes{bytes[kSettingsAt], bytes[kSettingsAt + 1], bytes[kSettingsAt + 2]}
              : CCalc::DisplayModes{-1, -1, -1};
    if (!modes.Valid()) {
        host_.Report("The saved state is damaged and was not restored");
        return false;
    }
    const storage::MemoTexts before = storage::MemoTextsOf(*calc_);
    storage::SetMemoTexts(*calc_, {});
    if (!LoadProgram(program, memo, L"the saved state")) {
        storage::SetMemoTexts(*calc_, before);
        return false;
    }
    return calc_->SetDisplayModes(modes);
}
