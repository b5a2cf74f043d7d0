#pragma once

// The shape of every tag property dialog: the presenter works on the tag itself and the canvas
// repaints after each change; OK runs the presenter's checks, anything else (Cancel, Esc, the
// close button) puts the tag back. The caller pushes the result as one undo step.
//
// The address entry and the image library reach the dialogs through the context, so that the
// dialogs do not depend on those windows and tests can answer them.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/entry_range.h"
#include "core/presenters/function_env.h"
#include "core/presenters/tag_prop_dlg.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

class QFormLayout;
class QGroupBox;
class QSpinBox;

namespace core {
class CImgResMgr;
class CMessageTag;
class CPointGroup;
class CStrResMgr;
class CTag;
} // namespace core

namespace ui {

class CPointGroupBox;
class CRangeSpinBox;

// Opens the address entry for one point; true on OK with `area` and `number` replaced.
using AddressEditor = std::function<bool(QWidget *parent, int device, std::int32_t kind,
                                         bool mustWrite, std::string &area, std::string &number)>;
// Opens the image library on `current`; the chosen number, or nothing on Cancel.
using ImageChooser
        = std::function<std::optional<std::uint16_t>(QWidget *parent, std::uint16_t current)>;

struct TagDialogContext
{
    const core::CPlcSlots *plcSlots = nullptr;
    std::uint16_t panelLang = 0;
    core::CStrResMgr *strings = nullptr; // the project's messages (message tags)
    const core::CImgResMgr *images = nullptr; // the project's images (picture boxes)
    AddressEditor editAddress;
    ImageChooser chooseImage;
    // Opens the value-to-message table editor ("메시지 편집") on a message tag; true when the
    // table changed.
    std::function<bool(QWidget *parent, core::CMessageTag &tag)> editMessageTable;
    // Called after every change of the tag (the canvas repaints it).
    std::function<void()> tagChanged;
};

class CTagPropDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CTagPropDialog(const TagDialogContext &context, QWidget *parent = nullptr);

    virtual core::CTagPropDlg &presenter() = 0;

    QSpinBox *xEdit() const { return m_x; }
    QSpinBox *yEdit() const { return m_y; }

public slots:
    void reject() override;

protected:
    const TagDialogContext &context() const { return m_context; }
    core::FunctionEnv env() { return {*m_context.plcSlots, prompt(), m_context.panelLang}; }

    // The X and Y rows (0 to 191, 0 to 63) into `form`.
    void addPositionRows(QFormLayout *form);
    // The "위치" group holding the X and Y rows.
    QGroupBox *positionBox();
    // The dialog's content in two columns: `left` stacked from the top, `right` beside it.
    void setColumns(std::initializer_list<QWidget *> left, QWidget *right);
    // A device-point group (parts as CPointGroupBox takes them) after whose changes the dialog
    // refreshes and the canvas repaints.
    CPointGroupBox *pointGroupBox(const QString &title, core::CPointGroup &group, int parts);
    // A number entry whose value goes to `set` of `presenter` when it is confirmed; a refused
    // value shows the stored one again.
    template<typename Presenter>
    CRangeSpinBox *rangeEntry(QFormLayout *form, const QString &label, core::EntryRange range,
                              Presenter &presenter, bool (Presenter::*set)(std::int64_t))
    {
        return rangeEntry(form, label, range,
                          [&presenter, set](std::int64_t v) { return (presenter.*set)(v); });
    }
    CRangeSpinBox *rangeEntry(QFormLayout *form, const QString &label, core::EntryRange range,
                              std::function<bool(std::int64_t)> set);
    void refreshPosition();
    bool acceptChanges() override;

    // One change of the tag: forwarded to the presenter, shown, and repainted on the canvas.
    template<typename Change>
    void edit(Change &&change)
    {
        if (refreshing())
            return;
        forward(std::forward<Change>(change));
        notifyTagChanged();
    }
    void notifyTagChanged();
    // The image library, or nothing when it is not available or cancelled.
    std::optional<std::uint16_t> chooseImage(std::uint16_t current);

private:
    TagDialogContext m_context;
    QSpinBox *m_x = nullptr;
    QSpinBox *m_y = nullptr;
};

} // namespace ui
