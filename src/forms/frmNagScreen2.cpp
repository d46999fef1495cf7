#include "frmNagScreen2.h"

#include "form_style.h"
#include "pictures.h"
#include "platform/geometry.h"

#include <QCloseEvent>
#include <QPushButton>

using platform::twRect;

namespace forms {

frmNagScreen2::frmNagScreen2(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    setAttribute(Qt::WA_DeleteOnClose);
    makeFixedWindow(this, QSize(platform::tw(11115), platform::tw(4725)));
    cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(twRect(6000, 2760, 1245, 375));
    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
}

void frmNagScreen2::Form_Load()
{
    setWindowTitle(QString::fromLatin1(ProductCaption));
    setWindowIcon(programIcon());
}

void frmNagScreen2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    cmdClose->setFocus(Qt::OtherFocusReason);
}

void frmNagScreen2::cmdClose_Click() { emit exitRequested(); }

void frmNagScreen2::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit unloaded();
}

} // namespace forms
