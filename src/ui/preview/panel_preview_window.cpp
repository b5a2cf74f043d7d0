#include "ui/preview/panel_preview_window.h"

#include "ui/common/message_box.h"
#include "ui/preview/panel_display.h"

#include "core/functions/user_text.h"
#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/online/online_channels.h"
#include "core/runtime/area_project.h"
#include "core/tags/tag_kinds.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

enum Column { kPoint, kSize, kValue, kDriver, kColumns };

int keyFor(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_F1:
        return core::kKeyF1;
    case Qt::Key_F2:
        return core::kKeyF2;
    case Qt::Key_F3:
        return core::kKeyF3;
    case Qt::Key_F4:
        return core::kKeyF4;
    case Qt::Key_Up:
        return core::kKeyUp;
    case Qt::Key_Down:
        return core::kKeyDown;
    case Qt::Key_Left:
        return core::kKeyLeft;
    case Qt::Key_Right:
        return core::kKeyRight;
    default:
        return -1;
    }
}

QString sizeText(std::uint16_t dataSize)
{
    return dataSize == 1    ? QStringLiteral("Bit")
            : dataSize == 2 ? QStringLiteral("Word")
                            : QStringLiteral("Long");
}

} // namespace

CPanelPreviewWindow::CPanelPreviewWindow(Options options, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_options(std::move(options))
{
    setWindowTitle(tr("미리보기 - %1").arg(m_options.title));
    setObjectName(QStringLiteral("panelPreview"));
    setFocusPolicy(Qt::StrongFocus);

    m_display = new CPanelDisplay(this);
    m_display->setZoom(m_options.zoom);
    m_display->setColors(m_options.back, m_options.lit);
    m_display->setFocusPolicy(Qt::ClickFocus);
    connect(m_display, &CPanelDisplay::pressed, this, &CPanelPreviewWindow::touch);
    connect(m_display, &CPanelDisplay::released, this, [this] {
        if (m_runtime)
            m_runtime->Release();
        redraw();
    });
    connect(m_display, &CPanelDisplay::doubleClicked, this, &CPanelPreviewWindow::enterValue);

    m_screen = new QLabel(this);
    m_screen->setObjectName(QStringLiteral("screenLabel"));
    m_alarm = new QLabel(this);
    m_alarm->setObjectName(QStringLiteral("alarmLabel"));
    m_alarm->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    m_clock = new QLabel(this);
    m_clock->setObjectName(QStringLiteral("clockLabel"));
    m_plcStatus = new QLabel(this);
    m_plcStatus->setObjectName(QStringLiteral("plcStatus"));
    m_plcStatus->hide();

    m_table = new QTableWidget(0, kColumns, this);
    m_table->setObjectName(QStringLiteral("deviceTable"));
    m_table->setAccessibleName(tr("디바이스 값"));
    m_table->setHorizontalHeaderLabels({tr("주소"), tr("크기"), tr("값"), tr("변화")});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(kPoint, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumWidth(360);
    connect(m_table, &QTableWidget::cellChanged, this, &CPanelPreviewWindow::tableEdited);

    auto *left = new QVBoxLayout;
    left->addWidget(m_screen);
    left->addWidget(m_display, 0, Qt::AlignLeft);
    left->addWidget(makeKeys());
    left->addWidget(m_alarm);
    left->addWidget(m_clock);
    left->addWidget(makePlcButtons());
    left->addWidget(m_plcStatus);
    left->addStretch(1);
    auto *tableLabel = new QLabel(tr("디바이스 값(&D):"), this);
    tableLabel->setBuddy(m_table);
    auto *right = new QVBoxLayout;
    right->addWidget(tableLabel);
    right->addWidget(m_table, 1);
    auto *row = new QHBoxLayout(this);
    row->addLayout(left);
    row->addLayout(right, 1);

    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &CPanelPreviewWindow::scanNow);
    m_running.start();
    m_timer.start();
}

CPanelPreviewWindow::~CPanelPreviewWindow() = default;

QWidget *CPanelPreviewWindow::makeKeys()
{
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const QString names[8] = {QStringLiteral("F1"), QStringLiteral("F2"), QStringLiteral("F3"),
                              QStringLiteral("F4"), QStringLiteral("▲"),  QStringLiteral("▼"),
                              QStringLiteral("◀"),  QStringLiteral("▶")};
    const QString spoken[4] = {tr("위"), tr("아래"), tr("왼쪽"), tr("오른쪽")};
    for (int key = 0; key < 8; ++key) {
        auto *b = new QPushButton(names[key], box);
        b->setObjectName(QStringLiteral("key%1").arg(key));
        // Keyboard focus stays with the window, whose F1-F4 and arrows are the panel's keys.
        b->setFocusPolicy(Qt::NoFocus);
        b->setAccessibleName(key < 4 ? names[key] : spoken[key - 4]);
        connect(b, &QPushButton::pressed, this, [this, key] { pressKey(key); });
        connect(b, &QPushButton::released, this, [this, key] { releaseKey(key); });
        grid->addWidget(b, key / 4, key % 4);
        m_keys[std::size_t(key)] = b;
    }
    return box;
}

void CPanelPreviewWindow::setDocument(const core::CDorvaneDoc *doc, const QString &why)
{
    m_online.reset();
    m_runtime.reset();
    m_renderer.reset();
    m_drivers.clear();
    m_doc = doc;
    if (doc) {
        m_renderer = std::make_unique<core::CScreenRenderer>(*doc, m_options.fonts);
        m_runtime = std::make_unique<core::CPanelRuntime>(*doc, m_options.textLangId);
        m_runtime->SetPanelPassword(m_options.password);
        m_runtime->SetPasswordPrompt([this]() -> std::optional<std::string> {
            // No scan runs inside the runtime's own call; the key or button that asked is let
            // go afterwards, as its release went to the prompt.
            m_prompted = true;
            m_timer.stop();
            bool ok = false;
            const QString pw = QInputDialog::getText(this, tr("암호 입력"), tr("암호:"),
                                                     QLineEdit::Password, {}, &ok);
            m_timer.start();
            if (!ok)
                return std::nullopt;
            return pw.toStdString();
        });
        if (!m_history.empty())
            m_runtime->SetAlarmHistoryArea(m_history);
        m_history = m_runtime->AlarmHistoryArea();
        goOnline();
    }
    m_alarm->setText(doc || !why.isEmpty() ? why : tr("프로젝트가 없습니다. 다운로드하십시오."));
    refreshPlcStatus();
    fillTable();
    scanNow();
}

void CPanelPreviewWindow::setPanelLanguage(core::PanelFonts fonts)
{
    m_options.textLangId = fonts.panelLangId;
    m_options.fonts = std::move(fonts);
}

void CPanelPreviewWindow::setPanelTitle(const QString &panel, const core::CDorvaneDoc *doc)
{
    const std::string project
            = doc ? core::projectNameFromScreens(*doc, m_options.textLangId) : std::string();
    const QString named = doc ? tr("프로젝트 \"%1\"").arg(QString::fromStdString(project))
                              : tr("프로젝트 없음");
    setWindowTitle(tr("미리보기 - %1").arg(QStringLiteral("%1 - %2").arg(panel, named)));
}

void CPanelPreviewWindow::setPanelPassword(const std::string &password)
{
    m_options.password = password;
    if (m_runtime)
        m_runtime->SetPanelPassword(password);
}

void CPanelPreviewWindow::documentEdited()
{
    if (!m_runtime)
        return;
    m_runtime->Reload();
    if (m_online)
        m_online->Follow(m_runtime->CurrentScreen(), true);
    m_renderer->ForgetRenderedTexts();
    m_drivers.clear();
    fillTable();
    scanNow();
}

void CPanelPreviewWindow::setAlarmHistory(util::Bytes areaW)
{
    m_history = std::move(areaW);
    if (m_runtime) {
        m_runtime->SetAlarmHistoryArea(m_history);
        m_history = m_runtime->AlarmHistoryArea();
    }
}

std::tm CPanelPreviewWindow::now() const
{
    if (m_options.clock)
        return m_options.clock();
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&t, &local);
    return local;
}

void CPanelPreviewWindow::scanNow()
{
    if (!m_runtime) {
        m_display->show(
                util::CMonoBitmap(core::CScreenRenderer::kWidth, core::CScreenRenderer::kHeight));
        m_screen->clear();
        return;
    }
    const double seconds = m_running.elapsed() / 1000.0;
    for (auto &[row, driver] : m_drivers)
        if (row < int(m_runtime->Memory().Points().size()))
            m_runtime->Memory().Write(m_runtime->Memory().Points()[std::size_t(row)].key,
                                      driver.ValueAt(seconds));
    m_runtime->Scan(now());
    // A screen change reads the new screen's points from the PLC's next scan on.
    if (m_online)
        m_online->Follow(m_runtime->CurrentScreen());
    refreshPlcStatus();
    if (historyChanged && m_runtime->AlarmHistoryArea() != m_history) {
        m_history = m_runtime->AlarmHistoryArea();
        historyChanged(m_history);
    }
    redraw();
    refreshTable();
}

void CPanelPreviewWindow::redraw()
{
    if (!m_runtime)
        return;
    util::CMonoBitmap bitmap;
    m_renderer->Render(m_runtime->CurrentScreen(), *m_runtime, bitmap,
                       std::uint32_t(m_running.elapsed()));
    m_display->show(bitmap);
    const core::CScreenData *screen = m_runtime->Screen();
    m_screen->setText(screen ? tr("화면 %1: %2")
                                       .arg(screen->Number())
                                       .arg(QString::fromStdString(core::usertext::ToUser(
                                               screen->Name(), m_options.textLangId)))
                             : QString());
    const auto &alarms = m_runtime->ActiveAlarms();
    if (!alarms.empty()) {
        const core::ActiveAlarm &a = alarms.back();
        char time[16];
        std::strftime(time, sizeof time, "%H:%M:%S", &a.occurred);
        m_alarm->setText(
                tr("경보 %1  %2").arg(QString::fromLatin1(time), QString::fromStdString(a.text)));
    } else if (m_doc) {
        m_alarm->clear();
    }
    const std::tm clock = m_runtime->Clock();
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &clock);
    m_clock->setText(QString::fromLatin1(text));
}

void CPanelPreviewWindow::pressKey(int key)
{
    if (!m_runtime)
        return;
    m_prompted = false;
    const core::RuntimeResult result = m_runtime->PressKey(key);
    if (m_prompted && m_runtime)
        m_runtime->ReleaseKey(key);
    report(result);
    redraw();
}

void CPanelPreviewWindow::releaseKey(int key)
{
    if (m_runtime)
        m_runtime->ReleaseKey(key);
    redraw();
}

void CPanelPreviewWindow::touch(int x, int y)
{
    if (!m_runtime)
        return;
    m_prompted = false;
    const core::RuntimeResult result = m_runtime->Press(x, y);
    if (m_prompted && m_runtime)
        m_runtime->Release();
    report(result);
    redraw();
}

void CPanelPreviewWindow::enterValue(int x, int y)
{
    if (!m_runtime)
        return;
    const core::CTag *tag = m_runtime->InputAt(x, y);
    if (!tag || tag->Kind() != core::kTagDigit)
        return;
    bool ok = false;
    const QString text
            = QInputDialog::getText(this, tr("값 입력"), tr("값:"), QLineEdit::Normal, {}, &ok);
    // The project may have changed while the value was typed: the tag is looked up again.
    if (ok && m_runtime && m_runtime->InputAt(x, y) == tag)
        report(m_runtime->EnterValue(*tag, text.trimmed().toStdString()), tag);
    redraw();
}

void CPanelPreviewWindow::report(core::RuntimeResult result, const core::CTag *tag)
{
    using namespace util::msg;
    switch (result) {
    case core::RuntimeResult::Ok:
    case core::RuntimeResult::NoTarget:
        return;
    case core::RuntimeResult::BadValue:
        showMessage(this, kValueUnreadable);
        return;
    case core::RuntimeResult::OutOfRange:
        if (const auto limits = tag ? core::entryLimits(*tag) : std::nullopt)
            showMessage(this, kValueOutOfRangeOf,
                        QString::fromStdString(util::formatMessage(
                                kValueOutOfRangeOf, limits->low.c_str(), limits->high.c_str())));
        else
            showMessage(this, kValueOutOfRange);
        return;
    case core::RuntimeResult::PasswordRefused:
        showMessage(this, kWrongPassword);
        return;
    case core::RuntimeResult::UnknownScreen:
        showMessage(this, kNoSuchScreen);
        return;
    }
}

void CPanelPreviewWindow::keyPressEvent(QKeyEvent *event)
{
    const int key = keyFor(event->key());
    if (key < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        pressKey(key);
}

void CPanelPreviewWindow::keyReleaseEvent(QKeyEvent *event)
{
    const int key = keyFor(event->key());
    if (key < 0) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        releaseKey(key);
}

void CPanelPreviewWindow::fillTable()
{
    m_filling = true;
    m_table->setRowCount(0);
    if (m_runtime) {
        const auto &points = m_runtime->Memory().Points();
        m_table->setRowCount(int(points.size()));
        for (int row = 0; row < int(points.size()); ++row) {
            const core::MemoryPoint &p = points[std::size_t(row)];
            auto *name = new QTableWidgetItem(QString::fromStdString(p.text));
            name->setFlags(name->flags() & ~Qt::ItemIsEditable);
            auto *size = new QTableWidgetItem(sizeText(p.dataSize));
            size->setFlags(size->flags() & ~Qt::ItemIsEditable);
            m_table->setItem(row, kPoint, name);
            m_table->setItem(row, kSize, size);
            m_table->setItem(row, kValue, new QTableWidgetItem);
            auto *driver = new QComboBox(m_table);
            driver->addItems({tr("고정"), tr("램프"), tr("사인"), tr("랜덤")});
            driver->setAccessibleName(tr("%1 변화").arg(QString::fromStdString(p.text)));
            connect(driver, &QComboBox::currentIndexChanged, this, [this, row](int index) {
                if (!m_runtime)
                    return;
                if (index == 0) {
                    m_drivers.erase(row);
                    return;
                }
                const auto &point = m_runtime->Memory().Points()[std::size_t(row)];
                // Over the limits of the tags that show the point (else the whole cell).
                m_drivers.insert_or_assign(row,
                                           core::CSignalDriver(core::SignalKind(index), point));
            });
            m_table->setCellWidget(row, kDriver, driver);
        }
    }
    m_filling = false;
    refreshTable();
}

void CPanelPreviewWindow::refreshTable()
{
    if (!m_runtime)
        return;
    m_filling = true;
    const auto &points = m_runtime->Memory().Points();
    // A value being typed stays as typed: its editor has the focus inside the table.
    const QWidget *focus = QApplication::focusWidget();
    const bool editing = focus && m_table->viewport()->isAncestorOf(focus);
    for (int row = 0; row < m_table->rowCount() && row < int(points.size()); ++row) {
        QTableWidgetItem *item = m_table->item(row, kValue);
        if (!item || (editing && m_table->currentItem() == item))
            continue;
        const core::MemoryKey &key = points[std::size_t(row)].key;
        // A point its PLC does not answer for reads '*', as the panel shows it.
        const QString text = m_runtime->Memory().Failed(key)
                ? QStringLiteral("*")
                : QString::number(m_runtime->Memory().Read(key));
        if (item->text() != text)
            item->setText(text);
    }
    m_filling = false;
}

void CPanelPreviewWindow::tableEdited(int row, int column)
{
    if (m_filling || column != kValue || !m_runtime)
        return;
    const auto &points = m_runtime->Memory().Points();
    if (row < 0 || row >= int(points.size()))
        return;
    // The row's own cell: a word and a double word may share an address text.
    const core::MemoryPoint &point = points[std::size_t(row)];
    const QString text = m_table->item(row, kValue)->text().trimmed();
    if (const auto value = core::parseMemoryValue(text.toStdString(), point.dataSize))
        m_runtime->Memory().Write(point.key, *value);
    else
        showMessage(this, util::msg::kValueUnreadable);
    scanNow();
}

} // namespace ui
