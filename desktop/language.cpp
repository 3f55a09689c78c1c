// SPDX-License-Identifier: MIT
#include "desktop/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <optional>

namespace language {

namespace {

const QString kKey = QStringLiteral("view/language");

Language g_current = Language::Japanese;

// Ours and Qt's, owned by the application; none while Japanese needs none.
QTranslator* g_ours = nullptr;
QTranslator* g_qt = nullptr;

std::optional<Language> named(QStringView code)
{
    if (code.startsWith(u"ja", Qt::CaseInsensitive))
        return Language::Japanese;
    if (code.startsWith(u"en", Qt::CaseInsensitive))
        return Language::English;
    return std::nullopt;
}

void remove(QTranslator*& translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

// Qt's own Japanese: where Qt keeps its translations, or beside the program (the Windows zip).
QTranslator* qtJapanese()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString folders[] = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QString(QCoreApplication::applicationDirPath() + QStringLiteral("/translations"))};
    for (const QString& folder : folders) {
        if (translator->load(QStringLiteral("qtbase_ja"), folder))
            return translator;
    }
    delete translator;
    return nullptr;
}

} // namespace

Language desktop()
{
    if (const auto forced = named(qEnvironmentVariable("TESSALY_LANGUAGE")))
        return *forced;
    for (const QString& code : QLocale::system().uiLanguages()) {
        if (const auto language = named(code))
            return *language;
    }
    return Language::English;
}

Language resolved(Choice choice)
{
    switch (choice) {
    case Choice::Japanese:
        return Language::Japanese;
    case Choice::English:
        return Language::English;
    case Choice::Desktop:
        break;
    }
    return desktop();
}

Language current()
{
    return g_current;
}

void apply(Language language)
{
    g_current = language;
    remove(g_ours);
    remove(g_qt);
    if (language == Language::English) {
        g_ours = new QTranslator(QCoreApplication::instance());
        if (!g_ours->load(QStringLiteral(":/i18n/tessaly_en.qm")))
            qWarning("the English translation is not built into this program");
        QCoreApplication::installTranslator(g_ours);
    } else {
        g_qt = qtJapanese();
        if (g_qt)
            QCoreApplication::installTranslator(g_qt);
    }
    // Japanese alone installs nothing where Qt has no Japanese: the widgets must still hear it.
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
}

Choice kept(QSettings& store)
{
    const QString value = store.value(kKey).toString();
    if (value == u"ja")
        return Choice::Japanese;
    if (value == u"en")
        return Choice::English;
    return Choice::Desktop;
}

void keep(QSettings& store, Choice choice)
{
    switch (choice) {
    case Choice::Japanese:
        store.setValue(kKey, QStringLiteral("ja"));
        return;
    case Choice::English:
        store.setValue(kKey, QStringLiteral("en"));
        return;
    case Choice::Desktop:
        break;
    }
    store.remove(kKey);
}

} // namespace language
