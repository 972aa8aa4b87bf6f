#include "qtranslate.h"

#include "qcp1252.h"
#include "texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

std::string TranslateToCp1252(const char* context, const char* text) {
    return ToCp1252(Translate(context, text));
}

} // namespace

QString Translate(const char* context, const char* text) {
    // The English sources are ASCII; a text with a code-page byte (a unit such as "\272F") is
    // none of them and is shown as it is.
    for (const char* c = text; *c; ++c) {
        if (static_cast<unsigned char>(*c) >= 0x80)
            return FromCp1252(text);
    }
    return QCoreApplication::translate(context, text);
}

QString Translations::Folder() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString beside = program + QStringLiteral("/translations");
    if (QFileInfo(beside).isDir())
        return beside;
    // The installed program is libexec/velnor/velnor.
    return QDir::cleanPath(program + QStringLiteral("/../../share/velnor/translations"));
}

Translations::Translations(const QStringList& uiLanguages, const QLocale& numbers) {
    QString folder;
    for (const QString& language : uiLanguages) {
        QString name = language;
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = name.section(QLatin1Char('_'), 0, 0);
        if (base == QLatin1String("en") || base == QLatin1String("C"))
            break;
        if (folder.isEmpty())
            folder = Folder();
        for (const QString& candidate : {name, base}) {
            if (QFileInfo::exists(folder + QStringLiteral("/velnor_") + candidate +
                                  QStringLiteral(".qm"))) {
                m_language = candidate;
                break;
            }
        }
        if (!m_language.isEmpty())
            break;
    }
    if (m_language.isEmpty())
        return;

    const auto install = [this](const QString& file, const QString& dir) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(file, dir) && QCoreApplication::installTranslator(translator.get()))
            m_translators.push_back(std::move(translator));
    };
    install(QStringLiteral("qtbase_") + m_language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(QStringLiteral("velnor_") + m_language, folder);

    m_texts.translate = &TranslateToCp1252;
    char point = '.';
    const QString decimal = numbers.decimalPoint();
    if (!decimal.isEmpty() && ToCp1252Byte(decimal.at(0).unicode(), point))
        m_texts.decimalPoint = point;
}

Translations::~Translations() {
    for (const auto& translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
}
