#pragma once

// A channel's communication settings ("통신 설정"): a view over core::CCommParaDlg with the serial
// settings, own and remote station and, when opened with the configuration controls, the
// configuration and the 32 master-station boxes with their save/load files. The caller stores
// presenter().Result() as one undo step.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/comm_para_dlg.h"

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace ui {

class CCommParaDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CCommParaDialog(const core::CChannelParams &record, bool configControls,
                    QWidget *parent = nullptr);

    core::CCommParaDlg &presenter() { return m_presenter; }
    QComboBox *ownStationBox() const { return m_own; }
    QComboBox *baudBox() const { return m_baud; }
    QComboBox *dataBitsBox() const { return m_dataBits; }
    QComboBox *parityBox() const { return m_parity; }
    QComboBox *stopBitsBox() const { return m_stopBits; }
    QSpinBox *timeoutBox() const { return m_timeout; }
    QComboBox *configBox() const { return m_config; }
    QComboBox *remoteBox() const { return m_remote; }
    QLabel *remoteLabel() const { return m_remoteLabel; }
    QCheckBox *stationBox(int station) const { return m_stations.at(std::size_t(station)); }
    QCheckBox *selectAllBox() const { return m_selectAll; }
    QLabel *counterLabel() const { return m_counter; }
    QPushButton *saveStationsButton() const { return m_save; }
    QPushButton *loadStationsButton() const { return m_load; }

    // Picks the station file (`save` for the save dialog); empty when cancelled. Tests replace
    // the file dialogs with it (an empty function puts them back).
    using FileChooser = std::function<QString(QWidget *parent, bool save)>;
    static void setFileChooser(FileChooser chooser);
    // Where the station file dialogs start (the program's project folder).
    void setStationFolder(const QString &folder) { m_folder = folder; }

protected:
    void refresh() override;

private:
    void build();
    QWidget *buildStations();
    void saveStations();
    void loadStations();
    QString chooseFile(bool save);

    core::CCommParaDlg m_presenter;
    bool m_configControls;
    QComboBox *m_own = nullptr;
    QComboBox *m_baud = nullptr;
    QComboBox *m_dataBits = nullptr;
    QComboBox *m_parity = nullptr;
    QComboBox *m_stopBits = nullptr;
    QSpinBox *m_timeout = nullptr;
    QLabel *m_timeoutLabel = nullptr;
    QLabel *m_timeoutUnit = nullptr;
    QComboBox *m_config = nullptr;
    QLabel *m_configLabel = nullptr;
    QComboBox *m_remote = nullptr;
    QLabel *m_remoteLabel = nullptr;
    std::array<QCheckBox *, core::CCommParaDlg::kStations> m_stations{};
    QCheckBox *m_selectAll = nullptr;
    QLabel *m_counter = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_load = nullptr;
    QWidget *m_stationGroup = nullptr;
    QString m_folder;
};

} // namespace ui
