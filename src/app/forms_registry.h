#pragma once
// How the windows meet. A window is created, and its load step run, the first
// time it is referred to; the registry keeps the loaded windows in the order
// they were loaded and wires the road between them: the reading after the
// animation, Back, the exit window on every way out, About, and the end.
// Windows know no other window: they emit signals, and this file acts on them.
//
// The road of one reading, as the slots below take it:
//   pot clicked      frmMain plays the dots; at the first one prepareReading()
//                    loads the exit window (hidden) and builds the reading window
//   fourth second    showReading(): fill the reading, hide the main window, hide
//                    the exit window, show the reading
//   Back             goBack(): hide the dots, unload the reading, show the main
//                    window, hide the exit window
//   any close        formUnloaded(): forget the window, then show the exit window
//   E&xit            UnloadAllForms(): unload every window, oldest first; end

#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"

#include <QList>
#include <QObject>
#include <QPointer>

class FormsRegistry : public QObject
{
    Q_OBJECT
public:
    FormsRegistry() = default;
    ~FormsRegistry() override;

    forms::frmMain *Main();
    forms::frmDisplay *Display();
    forms::frmNagScreen2 *NagScreen();

    // Loaded windows, oldest first.
    QList<QWidget *> LoadedForms() const;

    // The exit window's show and hide requests, loading it first if needed.
    void ShowExitWindow();
    void HideExitWindow();

    // The end of the program: every loaded window unloads, oldest first, then
    // the process ends with status 0. From the first call on the program is
    // leaving: later calls, and every show or hide request, do nothing.
    void UnloadAllForms();
    bool Leaving() const { return m_leaving; }

private:
    template <typename Form> Form *load(QPointer<Form> &slot);
    void wire(forms::frmMain *form);
    void wire(forms::frmDisplay *form);
    void wire(forms::frmNagScreen2 *form);
    void runLoadStep(forms::frmMain *form) { form->Form_Load(); }
    void runLoadStep(forms::frmDisplay *) {}
    void runLoadStep(forms::frmNagScreen2 *form) { form->Form_Load(); }
    void formUnloaded(QWidget *form);
    void forget(QWidget *form);

    void prepareReading();
    void showReading(const QString &name, const QString &meaning);
    void goBack();
    void showAbout();

    QPointer<forms::frmMain> m_main;
    QPointer<forms::frmDisplay> m_display;
    QPointer<forms::frmNagScreen2> m_nag;
    QList<QPointer<QWidget>> m_loaded;
    bool m_leaving = false;
    bool m_goingBack = false;
};
