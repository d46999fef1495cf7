#pragma once
// The four windows as the tests build them alone, without the registry, by
// the names their data rows use: "main", "reading", "about" and "exit". The
// exit window also runs its load step, which gives it its caption and texts.
// The test owns the window: closing it does not delete it.

#include "forms/frmAbout.h"
#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"

#include <QtTest>
#include <memory>

inline std::unique_ptr<QWidget> makeWindow(const QString &which)
{
    std::unique_ptr<QWidget> window;
    if (which == QLatin1String("main")) {
        window = std::make_unique<forms::frmMain>();
    } else if (which == QLatin1String("reading")) {
        window = std::make_unique<forms::frmDisplay>();
    } else if (which == QLatin1String("about")) {
        window = std::make_unique<forms::frmAbout>();
    } else {
        auto nag = std::make_unique<forms::frmNagScreen2>();
        nag->Form_Load();
        window = std::move(nag);
    }
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    return window;
}

// The window shown, once it is on the screen; null if it never gets there.
inline std::unique_ptr<QWidget> showWindow(const QString &which)
{
    std::unique_ptr<QWidget> window = makeWindow(which);
    window->show();
    return QTest::qWaitForWindowExposed(window.get()) ? std::move(window) : nullptr;
}
