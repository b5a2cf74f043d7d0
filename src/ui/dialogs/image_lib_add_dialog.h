#pragma once

// The add-image dialog ("새 이미지 추가"), a view over the core's add-image presenter: a number
// within the category, a bitmap file with its preview, and OK copying the file into the library
// folder. Messages and the overwrite question come from the presenter.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/image_lib_add_dlg.h"

#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace core {
class CImageLibDlg;
}

namespace ui {

class CImageLibAddDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    // Picks a bitmap file starting from `start` (a file or folder); empty when cancelled.
    using FileChooser = std::function<QString(QWidget *parent, const QString &start)>;
    // Replaces the file-open dialog (tests); an empty chooser puts it back.
    static void setFileChooser(FileChooser chooser);

    // For the library's current category, proposing its selected number.
    explicit CImageLibAddDialog(const core::CImageLibDlg &library, QWidget *parent = nullptr);

    const core::CImageLibAddDlg &presenter() const { return m_presenter; }
    QSpinBox *numberEdit() const { return m_number; }
    QLineEdit *fileEdit() const { return m_file; }
    QPushButton *browseButton() const { return m_browse; }
    QPushButton *previewButton() const { return m_preview; }
    QLabel *sizeText() const { return m_size; }
    QLabel *picture() const { return m_picture; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    void build();
    void browse();

    core::CImageLibAddDlg m_presenter;
    QSpinBox *m_number = nullptr;
    QLineEdit *m_file = nullptr;
    QPushButton *m_browse = nullptr;
    QPushButton *m_preview = nullptr;
    QLabel *m_size = nullptr;
    QLabel *m_picture = nullptr;
};

} // namespace ui
