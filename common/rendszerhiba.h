#pragma once
// The system's errors in the program's messages, always in Hungarian whatever the machine's
// language: every error a file call can return has its own words, any other one a sentence
// with its number. Every message that shows a system error takes it from here.
#include <QString>

class QFileDevice;

// The error `errnum` (an errno value) as the messages show it, without a closing full stop.
QString rendszerHiba(int errnum);

// The same for what a Qt file class reports (its errorString(), which holds the system's text
// of the error, or Qt's own words for it).
QString rendszerHiba(const QFileDevice& f);
QString rendszerHibaSzovegbol(const QString& szoveg);
