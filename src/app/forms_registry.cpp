#include "forms_registry.h"

#include "forms/form_style.h"
#include "forms/frmAbout.h"
#include "platform/process_end.h"

#include <QScopedValueRollback>

FormsRegistry::~FormsRegistry()
{
    for (const QPointer<QWidget> &form : m_loaded)
        delete form.data();
}

template <typename Form> Form *FormsRegistry::load(QPointer<Form> &slot)
{
    if (!slot) {
        auto *form = new Form;
        slot = form;
        m_loaded.append(form);
        connect(form, &Form::unloaded, this, [this, form] { formUnloaded(form); });
        wire(form);
        runLoadStep(form);
        forms::centreOnScreen(form);
    }
    return slot;
}

forms::frmMain *FormsRegistry::Main() { return load(m_main); }
forms::frmDisplay *FormsRegistry::Display() { return load(m_display); }
forms::frmNagScreen2 *FormsRegistry::NagScreen() { return load(m_nag); }

QList<QWidget *> FormsRegistry::LoadedForms() const
{
    QList<QWidget *> forms;
    for (const QPointer<QWidget> &form : m_loaded)
        if (form)
            forms.append(form);
    return forms;
}

void FormsRegistry::wire(forms::frmMain *form)
{
    // Queued, so that the first dot is painted first.
    connect(form, &forms::frmMain::revealStarted, this, &FormsRegistry::prepareReading,
            Qt::QueuedConnection);
    connect(form, &forms::frmMain::revealFinished, this, &FormsRegistry::showReading);
    connect(form, &forms::frmMain::aboutRequested, this, &FormsRegistry::showAbout);
}

void FormsRegistry::wire(forms::frmDisplay *form)
{
    connect(form, &forms::frmDisplay::backRequested, this, &FormsRegistry::goBack);
    connect(form, &forms::frmDisplay::aboutRequested, this, &FormsRegistry::showAbout);
}

void FormsRegistry::wire(forms::frmNagScreen2 *form)
{
    connect(form, &forms::frmNagScreen2::exitRequested, this, &FormsRegistry::UnloadAllForms);
}

void FormsRegistry::formUnloaded(QWidget *form)
{
    // First the window is gone for the road, so that whatever follows refers
    // to a fresh one; the widget itself is deleted once its close has finished.
    const bool exitWindow = form == m_nag;
    forget(form);
    if (exitWindow) {
        UnloadAllForms(); // closing the exit window is leaving
    } else if (m_goingBack) {
        // Back hides the exit window again straight away: load it, but never
        // put it on the screen for that instant.
        NagScreen();
    } else {
        ShowExitWindow(); // leaving the main or the reading window
    }
}

void FormsRegistry::forget(QWidget *form)
{
    m_loaded.removeAll(form);
    if (m_main == form)
        m_main = nullptr;
    if (m_display == form)
        m_display = nullptr;
    if (m_nag == form)
        m_nag = nullptr;
}

void FormsRegistry::prepareReading()
{
    // Loading the exit window and building the reading window take some
    // milliseconds each: spend them during the first second of the animation
    // rather than between its last dot and the reading.
    if (m_leaving || !m_main)
        return;
    NagScreen();
    Display();
}

void FormsRegistry::showReading(const QString &name, const QString &meaning)
{
    // An animation that resumes after the user left the reading shown by a
    // second animation inside it must not call the reading back.
    if (m_leaving || (m_nag && m_nag->isVisible()))
        return;
    forms::frmDisplay *display = Display();
    display->ShowReading(name, meaning);
    if (m_main)
        m_main->hide();
    HideExitWindow();
    display->show();
}

void FormsRegistry::goBack()
{
    if (m_main)
        m_main->HideDots();
    if (m_display) {
        const QScopedValueRollback<bool> back(m_goingBack, true);
        m_display->close();
    }
    Main()->show();
    HideExitWindow();
}

void FormsRegistry::showAbout()
{
    forms::frmAbout about;
    about.exec();
}

void FormsRegistry::ShowExitWindow()
{
    if (m_leaving)
        return;
    forms::frmNagScreen2 *nag = NagScreen();
    nag->show();
    nag->raise();
    nag->activateWindow();
}

void FormsRegistry::HideExitWindow()
{
    if (m_leaving)
        return;
    NagScreen()->hide();
}

void FormsRegistry::UnloadAllForms()
{
    // Unloading the exit window calls back in here; the run already under way
    // finishes the job.
    if (m_leaving)
        return;
    m_leaving = true;
    // Closing one window may close or delete another: hold them by QPointer.
    const QList<QPointer<QWidget>> loaded = m_loaded;
    for (const QPointer<QWidget> &form : loaded)
        if (form)
            form->close();
    platform::EndProcess(0);
}
