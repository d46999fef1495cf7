#pragma once
// The About window: the program's name, version and purpose, with two links
// to the maker's site. Modal, and created afresh at each opening.

#include <QDialog>

namespace forms {

class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
};

} // namespace forms
