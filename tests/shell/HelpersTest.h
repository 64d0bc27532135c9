#pragma once

#include <QObject>

class HelpersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpPaths_data();
    void startUpPaths();
    void dbKindFromNumber();
    void settings();
    void dashedAndCompactDates_data();
    void dashedAndCompactDates();
    void dateFromText();
    void numericKeyFilter_data();
    void numericKeyFilter();
    void countOccurrences_data();
    void countOccurrences();
    void parseNumbers();
    void lineCountAndPadLines();
    void wrapTextKeepsDoubleByteCharacters();
    void wrapTextLayout();
    void unencodableCharactersCountAsOneByte();
    void substituteChars();
    void newRecordId();
    void encodePassword();
    void programFileIgnoresLetterCase();
    void folders();
};
