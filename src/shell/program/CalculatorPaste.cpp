#include "shell/program/CalculatorPaste.h"

#include <QFileInfo>
#include <QMimeData>
#include <QRegularExpression>
#include <QUrl>

#include "core/CCalc.h"
#include "shell/CMainWnd.h"
#include "shell/program/ProgramWindow.h"
#include "storage/ProgramFile.h"

namespace {

constexpr KeyPosition kEeKey{1, 4};
constexpr KeyPosition kChangeSignKey{3, 8};

std::optional<QString> DroppedFile(const QMimeData& data)
{
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return std::nullopt;
    return urls.front().toLocalFile();
}

void TypeDigits(std::vector<KeyPosition>& keys, const QString& digits)
{
    for (QChar c : digits)
        if (const auto key = KeyForCharacter(c.unicode()))
            keys.push_back(*key);
}

} // namespace

std::optional<std::vector<KeyPosition>> NumberKeys(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*([+-]?)(\\d+\\.?\\d*|\\.\\d+)(?:[eE]([+-]?)(\\d{1,2}))?\\s*$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    std::vector<KeyPosition> keys;
    TypeDigits(keys, match.captured(2));
    if (match.captured(1) == QStringLiteral("-"))
        keys.push_back(kChangeSignKey);
    if (match.capturedLength(4) > 0) {
        keys.push_back(kEeKey);
        TypeDigits(keys, match.captured(4));
        if (match.captured(3) == QStringLiteral("-"))
            keys.push_back(kChangeSignKey);
    }
    return keys;
}

void PasteOnCalculator(CMainWnd& window, const QString& text)
{
    if (text.trimmed().isEmpty())
        return;
    if (const auto keys = NumberKeys(text)) {
        for (const KeyPosition& key : *keys)
            window.TypeKey(key);
        return;
    }
    OpenProgramWindow(window).OfferText(text, QStringLiteral("The clipboard"));
}

bool IsProgramDrop(const QMimeData& data) { return DroppedFile(data).has_value(); }

void DropProgram(CMainWnd& window, const QMimeData& data)
{
    const std::optional<QString> path = DroppedFile(data);
    if (!path)
        return;
    const QString name = QFileInfo(*path).fileName();
    if (QFileInfo(*path).suffix().compare(QStringLiteral("ti"), Qt::CaseInsensitive) == 0) {
        LoadProgramFile(window.calc, path->toStdWString());
        window.ReloadLabelStrip();
        if (ProgramWindow* open = ProgramWindow::Instance())
            open->ProgramChangedOutside();
        return;
    }
    ProgramWindow& programWindow = OpenProgramWindow(window);
    if (const std::optional<QString> text = programWindow.ReadTextFile(*path))
        programWindow.LoadText(*text, name, ProgramWindow::PasteMode::ReplaceProgram);
}
