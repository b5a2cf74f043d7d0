#include "ui/project/tag_list_dialog.h"

#include "ui/common/message_box.h"

#include "core/functions/record_text.h"
#include "core/model/dorvane_doc.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_points.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <vector>

namespace ui {

namespace {

// Every tag shows its position and size; a device tag also its points (a moving tag's two
// joined by a slash).
constexpr core::TagField kPlaceFields[]
        = {core::TagField::X, core::TagField::Y, core::TagField::Width, core::TagField::Height};
constexpr core::TagField kPointFields[]
        = {core::TagField::Channel, core::TagField::Station, core::TagField::Address,
           core::TagField::DataSize, core::TagField::Base};
constexpr core::TagField kLookFields[]
        = {core::TagField::Inverse, core::TagField::Border, core::TagField::Font};
constexpr int kPlaceColumns = int(std::size(kPlaceFields));
constexpr int kPointColumns = int(std::size(kPointFields));

QTableWidgetItem *cell(const core::CTag &tag, core::TagField field, std::uint16_t panelLangId)
{
    return new QTableWidgetItem(QString::fromStdString(core::tagText(tag, field, panelLangId)));
}

// The look settings the kind has, in the order of its property dialog.
std::vector<core::TagField> lookFieldsOf(int kind)
{
    std::vector<core::TagField> fields;
    for (const core::TagField field : kLookFields)
        if (core::tagKindHasLook(kind, field))
            fields.push_back(field);
    return fields;
}

} // namespace

CTagListDialog::CTagListDialog(const core::CScreenData &screen, QWidget *parent)
    : CTagListDialog(screen, 0, parent)
{ }

CTagListDialog::CTagListDialog(const core::CScreenData &screen, std::uint16_t panelLangId,
                               QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("태그 리스트"));
    m_tabs = new QTabWidget(this);
    for (int kind = 0; kind < core::kTagKindCount; ++kind) {
        const bool device = core::tagKindInfo(kind).deviceTag;
        const std::vector<core::TagField> look = lookFieldsOf(kind);
        const int lookColumn = kPlaceColumns + (device ? kPointColumns : 0);
        auto *grid = new QTableWidget(0, lookColumn + int(look.size()), m_tabs);
        grid->setObjectName(QStringLiteral("TAG INFO"));
        QStringList headers{messageString(util::msg::kXCaption),
                            messageString(util::msg::kYCaption), tr("너비"), tr("높이")};
        if (device)
            headers << messageString(util::msg::kChannelCaption)
                    << messageString(util::msg::kStationCaption)
                    << messageString(util::msg::kAddressValueCaption)
                    << messageString(util::msg::kSizeCaption)
                    << messageString(util::msg::kRadixCaption);
        for (const core::TagField field : look)
            headers << QString::fromStdString(core::tagFieldCaption(field));
        grid->setHorizontalHeaderLabels(headers);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        // Each column as wide as its texts (the list scrolls sideways when they do not fit),
        // the last one taking what is left.
        grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        grid->horizontalHeader()->setStretchLastSection(true);
        for (const auto &tag : screen.Tags()) {
            if (tag->Kind() != kind)
                continue;
            const int row = grid->rowCount();
            grid->insertRow(row);
            for (int col = 0; col < kPlaceColumns; ++col)
                grid->setItem(row, col, cell(*tag, kPlaceFields[col], panelLangId));
            if (device && !core::devicePoints(*tag).empty())
                for (int col = 0; col < kPointColumns; ++col)
                    grid->setItem(row, kPlaceColumns + col,
                                  cell(*tag, kPointFields[col], panelLangId));
            for (int col = 0; col < int(look.size()); ++col)
                grid->setItem(row, lookColumn + col,
                              cell(*tag, look[std::size_t(col)], panelLangId));
        }
        // The kind names follow the resource language, as the column captions do.
        m_tabs->addTab(grid, QString::fromStdString(core::tagKindText(kind)));
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    resize(720, 360);
}

QTableWidget *CTagListDialog::table(int kind) const
{
    return qobject_cast<QTableWidget *>(m_tabs->widget(kind));
}

} // namespace ui
