#include "form_style.h"

#include "brewlore_version.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace forms {

namespace {

void installFallbacks()
{
    // Verdana ships with Windows; elsewhere the Vera family has nearly the
    // same metrics, so the texts keep their line breaks.
    static const bool installed = [] {
        QFont::insertSubstitutions(QStringLiteral("Verdana"),
                                   {QStringLiteral("DejaVu Sans"),
                                    QStringLiteral("Bitstream Vera Sans"),
                                    QStringLiteral("Tahoma")});
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Microsoft Sans Serif"),
                                    QStringLiteral("DejaVu Sans"), QStringLiteral("Arial")});
        return true;
    }();
    (void)installed;
}

} // namespace

QString productCaption()
{
    return QCoreApplication::translate("forms", "Brewlore v%1")
        .arg(QStringLiteral(BREWLORE_VERSION));
}

QFont verdana(double pointSize, bool bold, bool underline)
{
    installFallbacks();
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont linkFont() { return verdana(8.25, true, true); }

void makeFixedWindow(QWidget *window, QSize clientSize)
{
    window->setWindowTitle(productCaption());
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    window->setFont(verdana(8.25));
    if (auto *mainWindow = qobject_cast<QMainWindow *>(window)) {
        // The menu bar sits above the client area and adds to the window's height.
        mainWindow->centralWidget()->setFixedSize(clientSize);
        mainWindow->layout()->setSizeConstraint(QLayout::SetFixedSize);
        mainWindow->layout()->activate();
    } else {
        window->setFixedSize(clientSize);
    }
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->adjustSize(); // a main window knows its size only once its layout has run
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QRect geometry,
                  const QFont &font, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, QRect geometry,
                        const QFont &font)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(font);
    button->setAutoDefault(true);
    return button;
}

void makeGraphical(QPushButton *button, bool markDefault)
{
    const QString emphasis = markDefault ? QStringLiteral("QPushButton:default, QPushButton:focus")
                                         : QStringLiteral("QPushButton:focus");
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                         " border: 2px outset rgb(224, 224, 224); }"
                                         "QPushButton:pressed { border-style: inset; }"
                                         "%2 { border-color: rgb(96, 96, 96); }")
                              .arg(ButtonGrey.name(), emphasis));
}

QWidget *panel(QWidget *parent, QColor background)
{
    auto *widget = new QWidget(parent);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    return widget;
}

void setLabelColours(QLabel *label, QColor text, QColor background)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid())
        palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
    label->setAutoFillBackground(background.isValid());
}

QString labelText(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i; // the next character is shown as it is
        shown += caption[i];
    }
    return shown;
}

void growToText(QLabel *label)
{
    const int needed = label->heightForWidth(label->width());
    if (needed > label->height())
        label->resize(label->width(), needed);
}

void sizeToText(QLabel *label, bool keepCentre)
{
    const QRect before = label->geometry();
    label->adjustSize();
    if (keepCentre) {
        QRect after = label->geometry();
        after.moveCenter(QPoint(before.center().x(), after.center().y()));
        after.moveTop(before.top());
        label->setGeometry(after);
    }
}

} // namespace forms
