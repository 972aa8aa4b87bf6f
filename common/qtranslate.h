#pragma once

#include "texts.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

// The one translating function: an English text (a literal, marked as in core/texts.h) in the
// language the program runs in, or as it is when no translation is loaded. A text with a
// Windows-1252 byte above 0x7F is no English source (a unit symbol) and comes back as it is. The
// core's TextLocale::Tr reaches the same function through the TextLocale Translations fills.
QString Translate(const char* context, const char* text);

// The translations of one run: Velnor's own and Qt's (standard buttons, the print dialog) for
// the first of `uiLanguages` ("de-DE", "pt-BR", as QLocale::uiLanguages gives them) that Velnor
// has a translation for. English, the source, stops the search: nothing is loaded, and a
// language without a translation is passed over. Qt's translators are removed on destruction.
class Translations {
public:
    explicit Translations(const QStringList& uiLanguages, const QLocale& numbers = QLocale());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language loaded, as its file names it ("de", "pt_BR"); empty for English.
    const QString& Language() const { return m_language; }
    // The language the core composes its texts in: with a language loaded, its translation and
    // the decimal point of `numbers`, as the numeric fields have; else English with '.'. Valid
    // while the translators are installed, that is while this object lives.
    const TextLocale& Texts() const { return m_texts; }

    // Where the program finds its .qm files: beside it in the build (bin/translations), else
    // share/velnor/translations of the installed tree.
    static QString Folder();

private:
    QString m_language;
    TextLocale m_texts;
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};
