// The main frame's project tools: the address replace and the tables as CSV. Each change to the
// project is one undo step; a file that cannot be read or a table that is refused changes
// nothing.

#include "ui/app/main_frame.h"

#include "ui/app/project_controller.h"
#include "ui/common/message_box.h"
#include "ui/project/address_replace_dialog.h"
#include "ui/undo/messages_command.h"
#include "ui/undo/project_state_command.h"
#include "ui/view/dorvane_view.h"

#include "core/csv/csv_tables.h"
#include "core/model/dorvane_doc.h"

#include "util/file_io.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <QFileDialog>
#include <QFileInfo>

#include <memory>

namespace ui {

namespace {

// Far more than any table of a panel's project: a larger file is not one of ours.
constexpr std::uint64_t kMostCsvBytes = 64ull << 20;

QString tableFileName(const core::CDorvaneDoc &doc, core::csv::Table table)
{
    const QFileInfo project(QString::fromStdString(doc.Path()));
    const std::string_view word = core::csv::tableWord(table);
    const QString base = project.completeBaseName().isEmpty() ? QStringLiteral("project")
                                                              : project.completeBaseName();
    return project.absoluteDir().filePath(
            QStringLiteral("%1-%2.csv").arg(base, QString::fromLatin1(word.data(), word.size())));
}

void showNotice(QWidget *parent, const core::Notice &notice)
{
    showMessage(parent, notice.id, QString::fromStdString(notice.Text()));
}

void showFileMessage(QWidget *parent, int id, const QString &path)
{
    showMessage(parent, id,
                QString::fromStdString(util::formatMessage(id, path.toStdString().c_str())));
}

} // namespace

void CMainFrame::replaceAddresses()
{
    core::CDorvaneDoc *doc = document();
    if (!doc)
        return;
    CAddressReplaceDialog dialog(*doc, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto before = CProjectStateCommand::Capture(*doc);
    if (const auto problem = dialog.presenter().ApplyTo(*doc)) {
        showNotice(this, *problem);
        return;
    }
    auto command = std::make_unique<CProjectStateCommand>(
            *doc, std::move(before), dialog.windowTitle(),
            [this] { forEachView([](CDorvaneView *v) { v->refresh(); }); });
    if (!command->isEmpty())
        m_controller->push(command.release());
}

bool CMainFrame::exportCsv(int table, QString path)
{
    const core::CDorvaneDoc *doc = document();
    if (!doc)
        return false;
    const auto which = core::csv::Table(table);
    if (path.isEmpty())
        path = QFileDialog::getSaveFileName(this, tr("CSV로 내보내기"), tableFileName(*doc, which),
                                            tr("CSV 파일 (*.csv)"));
    if (path.isEmpty())
        return false;
    const std::string csv = core::csv::exportTable(*doc, which);
    if (!util::writeFileAtomic(
                path.toStdString(),
                util::ConstByteSpan(reinterpret_cast<const std::uint8_t *>(csv.data()),
                                    csv.size()))) {
        showFileMessage(this, util::msg::kCannotWriteFile, path);
        return false;
    }
    return true;
}

bool CMainFrame::importCsv(int table, QString path)
{
    core::CDorvaneDoc *doc = document();
    if (!doc)
        return false;
    const auto which = core::csv::Table(table);
    if (path.isEmpty())
        path = QFileDialog::getOpenFileName(this, tr("CSV 가져오기"), tableFileName(*doc, which),
                                            tr("CSV 파일 (*.csv)"));
    if (path.isEmpty())
        return false;
    const auto data = util::readFileCapped(path.toStdString(), kMostCsvBytes);
    if (!data) {
        showFileMessage(this, util::msg::kCannotOpenFile, path);
        return false;
    }
    const std::string text(data->begin(), data->end());
    const auto messagesBefore = CMessagesCommand::Capture(doc->Strings());
    auto before = CProjectStateCommand::Capture(*doc);
    const core::csv::ImportResult result = core::csv::importTable(*doc, which, text);
    if (!result.Ok()) {
        // Every refusal names its row and column; the first ones are enough to go on with.
        QStringList lines;
        for (std::size_t i = 0; i < result.refusals.size() && i < 10; ++i)
            lines << QString::fromStdString(result.refusals[i].Text());
        if (result.refusals.size() > 10)
            lines << tr("외 %1개").arg(result.refusals.size() - 10);
        showMessage(this, result.refusals.front().id, lines.join(QLatin1Char('\n')));
        return false;
    }
    const auto repaint = [this] { forEachView([](CDorvaneView *v) { v->refresh(); }); };
    const QString title = tr("CSV 가져오기");
    if (which == core::csv::Table::Messages) {
        auto after = CMessagesCommand::Capture(doc->Strings());
        if (after == messagesBefore)
            return true;
        auto *command = new CMessagesCommand(*doc, messagesBefore, std::move(after), repaint);
        command->setText(title);
        m_controller->push(command);
    } else {
        auto command
                = std::make_unique<CProjectStateCommand>(*doc, std::move(before), title, repaint);
        if (!command->isEmpty())
            m_controller->push(command.release());
    }
    return true;
}

} // namespace ui
