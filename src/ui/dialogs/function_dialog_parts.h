#pragma once

// Small pieces the common-function editors share: a group box of exclusive radio buttons whose
// ids are their positions.

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

namespace ui {

// A titled box of radios laid out in a row (or a column); the button group has the ids 0, 1, ...
// in the order of `texts`.
QGroupBox *radioBox(const QString &title, const QStringList &texts, QButtonGroup *&group,
                    QWidget *parent, bool vertical = false);

} // namespace ui
