// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPair>
#include <QTranslator>

// A translator that answers from a table, as a loaded catalogue would: nothing for a text it
// lacks, so the English source shows. Lets tests load a language without a .qm file.
class TableTranslator : public QTranslator {
public:
    void add(const char* context, const QString& source, const QString& translation)
    {
        m_texts.insert({QString::fromUtf8(context), source}, translation);
    }

    bool isEmpty() const override { return m_texts.isEmpty(); }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return m_texts.value({QString::fromUtf8(context), QString::fromUtf8(source)});
    }

private:
    QHash<QPair<QString, QString>, QString> m_texts;
};
