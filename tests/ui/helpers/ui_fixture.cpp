#include "helpers/ui_fixture.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QStandardPaths>

namespace uitest {

ProgramFolder::ProgramFolder()
{
    const QDir runtime(QStringLiteral(DORVANE_RUNTIME_DIR));
    for (const char *name : {"APP.INI", "PLC.INI", "GUI.INI", "Panel.bmp", "dorvane_en.qm"})
        QFile::copy(runtime.filePath(QLatin1String(name)), m_dir.filePath(QLatin1String(name)));
    for (const char *sub : {"Project", "Alarm", "Images", "Protocols", "Connect"})
        QDir(m_dir.path()).mkpath(QLatin1String(sub));
    // The drivers and the wiring diagrams.
    for (const QString &sub : {QStringLiteral("Protocols/"), QStringLiteral("Connect/")})
        for (const QString &f : QDir(runtime.filePath(sub)).entryList(QDir::Files))
            QFile::copy(runtime.filePath(sub + f), m_dir.filePath(sub + f));
}

void ProgramFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

void ProgramFolder::setLanguage(const QByteArray &lang) const
{
    QFile ini(file(QStringLiteral("APP.INI")));
    if (!ini.open(QIODevice::ReadOnly))
        return;
    QByteArray text = ini.readAll();
    ini.close();
    text.replace("[RESOURCE]\n", "[RESOURCE]\nLoadResource=" + lang + "\n");
    write(QStringLiteral("APP.INI"), text);
}

QString ProgramFolder::demoCopy() const
{
    const QString demo = file(QStringLiteral("Project/Demo.kvr"));
    QFile::remove(demo);
    QFile::copy(QStringLiteral(DORVANE_RUNTIME_DIR "/Project/Demo.kvr"), demo);
    return demo;
}

QChar mnemonicOf(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

MessageRecorder::MessageRecorder(ui::Answer a)
    : answer(a)
{
    ui::setMessageHandler([this](int id, const QString &text, ui::AskKind kind) {
        ids.push_back(id);
        texts.push_back(text);
        kinds.push_back(kind);
        return answer;
    });
}

MessageRecorder::~MessageRecorder()
{
    ui::setMessageHandler({});
}

void isolateSettings()
{
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
}

bool everyInputLabelled(const QWidget &dialog)
{
    QSet<const QWidget *> buddies;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        if (label->buddy())
            buddies.insert(label->buddy());
    bool ok = true;
    for (const QWidget *w : dialog.findChildren<QWidget *>()) {
        const bool input = qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w)
                || qobject_cast<const QAbstractSpinBox *>(w);
        // A spin box's own line edit is named through the spin box.
        if (!input || qobject_cast<const QAbstractSpinBox *>(w->parentWidget())
            || qobject_cast<const QComboBox *>(w->parentWidget()))
            continue;
        if (buddies.contains(w) || !w->accessibleName().isEmpty())
            continue;
        qWarning("unlabelled %s in %s", w->metaObject()->className(),
                 w->parentWidget() ? w->parentWidget()->metaObject()->className() : "-");
        ok = false;
    }
    return ok;
}

} // namespace uitest
