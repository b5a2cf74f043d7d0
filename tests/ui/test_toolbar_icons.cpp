// The main window's toolbars: every button has a picture that draws at both toolbar sizes and a
// tool tip, and no two buttons look the same.

#include "helpers/ui_fixture.h"

#include "ui/app/dorvane_app.h"
#include "ui/app/main_actions.h"
#include "ui/app/main_frame.h"
#include "ui/canvas/tool_ids.h"

#include <QAction>
#include <QImage>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace ui;

namespace {

// The share of the picture's pixels that are painted.
double coverage(const QImage &image)
{
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                ++painted;
    return double(painted) / (image.width() * image.height());
}

QImage picture(const QAction *a, int size, QIcon::Mode mode = QIcon::Normal)
{
    return a->icon()
            .pixmap(QSize(size, size), 1.0, mode)
            .toImage()
            .convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestToolbarIcons : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<CDorvaneApp> m_app;

    // The buttons of the three toolbars (the zoom box is a widget, not a button).
    std::vector<QAction *> buttons()
    {
        std::vector<QAction *> out;
        for (const char *name : {"standardBar", "toolBar", "arrangeBar"}) {
            auto *bar = m_app->mainFrame()->findChild<QToolBar *>(QLatin1String(name));
            if (!bar)
                return {};
            for (QAction *a : bar->actions())
                if (qobject_cast<QToolButton *>(bar->widgetForAction(a)))
                    out.push_back(a);
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        uitest::isolateSettings();
        m_folder = std::make_unique<uitest::ProgramFolder>();
        m_app = std::make_unique<CDorvaneApp>(m_folder->path());
        QVERIFY(m_app->start());
    }

    void cleanupTestCase()
    {
        m_app.reset();
        m_folder.reset();
    }

    void everyToolIsOnTheToolBar()
    {
        auto *bar = m_app->mainFrame()->findChild<QToolBar *>(QStringLiteral("toolBar"));
        QVERIFY(bar);
        std::vector<int> ids{ToolSelect};
        for (int id = ToolDigit; id <= ToolBmpText; ++id)
            ids.push_back(id);
        for (int id : ids) {
            QAction *a = m_app->mainFrame()->actions().tool(id);
            QVERIFY2(a && bar->actions().contains(a), qPrintable(QString::number(id)));
        }
    }

    void everyButtonDrawsItsPictureAtBothSizes()
    {
        const auto actions = buttons();
        // 3 file commands, 17 tools, 16 arrange commands.
        QCOMPARE(int(actions.size()), 36);
        for (const QAction *a : actions) {
            const QByteArray name = a->objectName().toLatin1();
            QVERIFY2(!a->icon().isNull(), name);
            QVERIFY2(!a->text().isEmpty() && !a->toolTip().isEmpty(), name);
            for (int size : {16, 24}) {
                // Disabled arrange commands show the greyed picture; it must not vanish either.
                for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
                    const QImage image = picture(a, size, mode);
                    QVERIFY2(image.size() == QSize(size, size), name);
                    const double painted = coverage(image);
                    QVERIFY2(painted > 0.05 && painted < 0.95, name);
                }
            }
        }
    }

    void noTwoButtonsLookAlike()
    {
        const auto actions = buttons();
        for (int size : {16, 24})
            for (std::size_t i = 0; i < actions.size(); ++i)
                for (std::size_t j = i + 1; j < actions.size(); ++j)
                    QVERIFY2(picture(actions[i], size) != picture(actions[j], size),
                             qPrintable(actions[i]->objectName() + QLatin1Char(' ')
                                        + actions[j]->objectName()));
    }
};

QTEST_MAIN(TestToolbarIcons)
#include "test_toolbar_icons.moc"
