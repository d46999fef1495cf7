#pragma once
// What every window shares: the product caption, Verdana in its classic point
// sizes (with a metric-alike fallback where Verdana is missing), the fixed
// window frame and centring on the screen.

#include "platform/geometry.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace forms {

QString productCaption(); // "Brewlore v" and the version, in the reader's language

// The colours the windows share.
inline const QColor BandGrey = platform::vbRGB(64, 64, 64);       // the banner and promotion band
inline const QColor WorkBrown = platform::vbRGB(63, 47, 33);      // the working area
inline const QColor LinkPink = platform::vbRGB(255, 192, 192);    // links
inline const QColor TextPink = platform::vbRGB(255, 128, 128);    // texts on the brown
inline const QColor CaptionOrange = platform::vbRGB(255, 128, 0); // the big captions
inline const QColor ButtonGrey = platform::vbRGB(192, 192, 192);  // graphical buttons

QFont verdana(double pointSize, bool bold = false, bool underline = false);
QFont linkFont(); // Verdana 8.25 pt bold underlined

// A top-level window with a title bar and a close box only, whose client
// area has exactly this size (menu bar excluded).
void makeFixedWindow(QWidget *window, QSize clientSize);

// Centres the window on the screen it will appear on.
void centreOnScreen(QWidget *window);

// A named label at its place, in its font, left and top aligned unless told.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QRect geometry,
                  const QFont &font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// A named button at its place. Enter presses it when it has the focus, as in a
// dialog, also in windows that are not dialogs.
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, QRect geometry,
                        const QFont &font);

// A button in the graphical style, so that its ButtonGrey face shows. Its
// border darkens while it has the focus, and also while it is the default
// button when `markDefault` is set.
void makeGraphical(QPushButton *button, bool markDefault);

// A borderless panel with a solid background.
QWidget *panel(QWidget *parent, QColor background);

// Label text colour and transparent or opaque background.
void setLabelColours(QLabel *label, QColor text, QColor background = QColor());

// A caption as a label shows it: "&&" is one "&", a lone "&" marks an access key.
QString labelText(const QString &caption);

// Lets a word-wrapped label grow downwards when the font in use needs more
// room than the layout gave it, so that no line is cut off.
void growToText(QLabel *label);

// Grows a label to its text, keeping its centre (or its left edge) in place.
void sizeToText(QLabel *label, bool keepCentre);

} // namespace forms
