#include "forms_registry.h"

#include "forms/form_style.h"
#include "forms/frmAbout.h"
#include "shutdown.h"

namespace {

FormsRegistry *current = nullptr;

} // namespace

FormsRegistry::FormsRegistry() { current = this; }

FormsRegistry::~FormsRegistry()
{
    for (const QPointer<QWidget> &form : m_loaded)
        delete form.data();
    if (current == this)
        current = nullptr;
}

FormsRegistry *FormsRegistry::instance() { return current; }

template <typename Form> Form *FormsRegistry::load(QPointer<Form> &slot)
{
    if (!slot) {
        auto *form = new Form;
        slot = form;
        m_loaded.append(form);
        connect(form, &Form::unloaded, this, [this, form] { forget(form); });
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

void FormsRegistry::forget(QWidget *form)
{
    // An unloaded window is gone for the road: the next reference creates a
    // new one. The widget itself is deleted once its close has finished.
    m_loaded.removeAll(form);
    if (m_main == form)
        m_main = nullptr;
    if (m_display == form)
        m_display = nullptr;
    if (m_nag == form)
        m_nag = nullptr;
}

void FormsRegistry::wire(forms::frmMain *form)
{
    // Queued, so that the first dot is painted first.
    connect(form, &forms::frmMain::revealStarted, this, &FormsRegistry::prepareReading,
            Qt::QueuedConnection);
    connect(form, &forms::frmMain::revealFinished, this, &FormsRegistry::showReading);
    connect(form, &forms::frmMain::aboutRequested, this, &FormsRegistry::showAbout);
    connect(form, &forms::frmMain::unloaded, this, &FormsRegistry::ShowExitWindow);
}

void FormsRegistry::wire(forms::frmDisplay *form)
{
    connect(form, &forms::frmDisplay::backRequested, this, &FormsRegistry::goBack);
    connect(form, &forms::frmDisplay::aboutRequested, this, &FormsRegistry::showAbout);
    connect(form, &forms::frmDisplay::unloaded, this, &FormsRegistry::ShowExitWindow);
}

void FormsRegistry::wire(forms::frmNagScreen2 *form)
{
    connect(form, &forms::frmNagScreen2::exitRequested, this, &modHelp::UnloadAllForms);
    connect(form, &forms::frmNagScreen2::unloaded, this, &modHelp::UnloadAllForms);
}

void FormsRegistry::prepareReading()
{
    // Loading the exit window and building the reading window take some
    // milliseconds each: spend them during the first second of the animation
    // rather than between its last dot and the reading.
    if (m_unloadingAll || !m_main)
        return;
    HideExitWindow();
    Display();
}

void FormsRegistry::showReading(const QString &name, const QString &meaning)
{
    // An animation that resumes after the user left the reading shown by a
    // second animation inside it must not call the reading back.
    if (m_nag && m_nag->isVisible())
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
    if (m_display)
        m_display->close(); // its unload brings up the exit window
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
    if (m_unloadingAll)
        return;
    forms::frmNagScreen2 *nag = NagScreen();
    nag->show();
    nag->raise();
    nag->activateWindow();
}

void FormsRegistry::HideExitWindow()
{
    if (m_unloadingAll)
        return;
    NagScreen()->hide();
}

void FormsRegistry::UnloadAll()
{
    m_unloadingAll = true;
    // Closing one window may close or delete another: hold them by QPointer.
    const QList<QPointer<QWidget>> loaded = m_loaded;
    for (const QPointer<QWidget> &form : loaded)
        if (form)
            form->close();
}
