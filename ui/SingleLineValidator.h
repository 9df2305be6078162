#pragma once

#include <QValidator>

// Keeps a text box to one line, whatever is pasted or set: line breaks that end the text
// are dropped (a name copied with its trailing newline), any other CR, LF or CR LF becomes
// one blank. Every text is acceptable otherwise; the form never rejects what is typed.
class SingleLineValidator : public QValidator
{
    Q_OBJECT

public:
    explicit SingleLineValidator(QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

    static QString singleLine(const QString &text);
};
