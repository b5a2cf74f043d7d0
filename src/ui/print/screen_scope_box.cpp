#include "ui/print/screen_scope_box.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

CScreenScopeBox::CScreenScopeBox(core::CScreenScope &scope, QWidget *parent)
    : QWidget(parent)
    , m_scope(scope)
{
    m_current = new QRadioButton(tr("현재 화면(&C)"), this);
    m_current->setEnabled(m_scope.HasCurrent());
    m_all = new QRadioButton(tr("모든 화면(&A)"), this);
    m_chosen = new QRadioButton(tr("화면 번호(&N):"), this);
    m_list = new QLineEdit(this);
    m_list->setObjectName(QStringLiteral("screenList"));
    m_list->setPlaceholderText(QStringLiteral("0,2-5"));
    m_list->setAccessibleName(tr("화면 번호"));
    m_group = new QButtonGroup(this);
    m_group->addButton(m_current, core::CScreenScope::kCurrent);
    m_group->addButton(m_all, core::CScreenScope::kAll);
    m_group->addButton(m_chosen, core::CScreenScope::kList);
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) {
        if (m_refreshing)
            return;
        m_scope.SetScope(core::CScreenScope::Scope(id));
        emit changed();
    });
    connect(m_list, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!m_refreshing)
            m_scope.SetListText(text.toStdString());
    });

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_current);
    column->addWidget(m_all);
    auto *listRow = new QHBoxLayout;
    listRow->addWidget(m_chosen);
    listRow->addWidget(m_list, 1);
    column->addLayout(listRow);
    refresh();
}

void CScreenScopeBox::refresh()
{
    m_refreshing = true;
    m_group->button(m_scope.GetScope())->setChecked(true);
    m_list->setEnabled(m_scope.GetScope() == core::CScreenScope::kList);
    m_list->setText(QString::fromStdString(m_scope.ListText()));
    m_refreshing = false;
}

void CScreenScopeBox::commitList()
{
    m_scope.SetListText(m_list->text().toStdString());
}

} // namespace ui
