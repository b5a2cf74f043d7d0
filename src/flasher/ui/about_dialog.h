#pragma once

// "About Quillet": the program's name and version.

#include <QDialog>

namespace quillet {

class CAboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget *parent = nullptr);
};

} // namespace quillet
