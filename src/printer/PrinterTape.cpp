#include "printer/PrinterTape.h"

#include <algorithm>

PrinterTape::PrinterTape(std::size_t capacity) : lines_(std::max<std::size_t>(capacity, 1)) {}

void PrinterTape::Append(std::wstring_view text)
{
    std::size_t slot = first_ + size_;
    if (size_ == lines_.size())
        first_ = (first_ + 1) % lines_.size();
    else
        ++size_;
    Line& line = lines_[slot % lines_.size()];
    const std::size_t count = std::min<std::size_t>(text.size(), Columns);
    std::copy_n(text.begin(), count, line.begin());
    std::fill(line.begin() + static_cast<std::ptrdiff_t>(count), line.end(), L' ');
}

void PrinterTape::Clear()
{
    first_ = 0;
    size_ = 0;
}

const PrinterTape::Line& PrinterTape::At(std::size_t index) const
{
    return lines_[(first_ + index) % lines_.size()];
}
