#pragma once
// A calculator in its real window for the shell's tests, with helpers that
// click keys where they are drawn.

#include "KeyScript.h"
#include "core/CCalc.h"
#include "shell/CMainWnd.h"
#include "face/KeyLayout.h"
#include "shell/SystemError.h"

#include <QStringList>
#include <QtTest>
#include <memory>

struct ShellFixture {
    std::unique_ptr<CCalc> calc = std::make_unique<CCalc>();
    std::unique_ptr<CMainWnd> window;
    QStringList errors;  // "caption: text" of every report

    ShellFixture()
    {
        SetSystemErrorSink([this](const QString& caption, const QString& text) {
            errors << caption + QStringLiteral(": ") + text;
        });
        // Drawn for the screen's scale, as the program starts.
        std::optional<SkinImages> skin = PrepareSkin({}, qApp->devicePixelRatio());
        if (skin)
            window = std::make_unique<CMainWnd>(*calc, std::move(*skin));
        else
            qWarning() << "no window:" << errors;
    }
    ~ShellFixture()
    {
        window.reset();
        SetSystemErrorSink({});
    }

    // In the window's pixels, at its zoom.
    QPoint KeyCenter(int column, int row) const
    {
        return window->ToWindow(window->skinOrigin +
                                QPoint(KeyColumnX[column] + kKeyWidth / 2, KeyRowY[row] + kKeyHeight / 2));
    }
    void Click(int column, int row) { ClickAt(KeyCenter(column, row)); }
    void ClickAt(QPoint point)
    {
        QTest::mousePress(window.get(), Qt::LeftButton, {}, point);
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, point);
    }
    void Press(int column, int row) { QTest::mousePress(window.get(), Qt::LeftButton, {}, KeyCenter(column, row)); }
    void Release(int column, int row)
    {
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, KeyCenter(column, row));
    }
    void ClickSecond() { Click(kSecondColumn, kSecondRow); }

    // The program steps recorded from step 0 in learn mode.
    QList<int> Recorded(int count) const
    {
        QList<int> codes;
        for (int i = 0; i < count; ++i)
            codes << calc->Area(0)[i];
        return codes;
    }
    QString Display() const { return window->displayText; }
};

// A program written straight into user memory.
inline void LoadSteps(CCalc& calc, std::initializer_list<int> steps)
{
    int n = 0;
    for (int step : steps)
        keyscript::SetStep(calc, 0, n++, static_cast<uint8_t>(step));
}
