#pragma once

#include <QVariantList>

class BaseContactInfo;
class BaseFAXSentInfo;
class BaseSMSSentInfo;
class QSqlQuery;
class QelFolderInfo;
class qtContactGroupInfo;
class qtContactInfo;
class qtFAXReceivedInfo;
class qtFAXSentInfo;
class qtSMSSentInfo;
class qtVOICEReceivedInfo;

// How one kind of record maps onto its cache table: the store and load statements, the values bound in
// column order, and the fields read back from a row of the load statement. Keeping the three together is
// what stops a column from being swapped between writing and reading.
template <typename Record> struct RecordTable;

template <> struct RecordTable<qtContactInfo>
{
    static const char *const store;
    static const char *const load;
    static QVariantList values(const BaseContactInfo &record);
    static void read(const QSqlQuery &row, qtContactInfo &record);
};

template <> struct RecordTable<qtContactGroupInfo>
{
    static const char *const store;
    static const char *const load;
    static QVariantList values(const qtContactGroupInfo &record);
    static void read(const QSqlQuery &row, qtContactGroupInfo &record);
};

template <> struct RecordTable<QelFolderInfo>
{
    static const char *const store;
    static const char *const load;
    static QVariantList values(const QelFolderInfo &record);
    static void read(const QSqlQuery &row, QelFolderInfo &record);
};

template <> struct RecordTable<qtFAXSentInfo>
{
    static const char *const store;
    static const char *const load;
    static QVariantList values(const BaseFAXSentInfo &record);
    static void read(const QSqlQuery &row, qtFAXSentInfo &record);
};

template <> struct RecordTable<qtSMSSentInfo>
{
    static const char *const store;
    static const char *const load;
    static QVariantList values(const BaseSMSSentInfo &record);
    static void read(const QSqlQuery &row, qtSMSSentInfo &record);
};

template <> struct RecordTable<qtFAXReceivedInfo>
{
    static const char *const store;
    static const char *const load;
    static QVariantList values(const qtFAXReceivedInfo &record);
    static void read(const QSqlQuery &row, qtFAXReceivedInfo &record);
};

template <> struct RecordTable<qtVOICEReceivedInfo>
{
    static const char *const store;
    static const char *const load;
    static QVariantList values(const qtVOICEReceivedInfo &record);
    static void read(const QSqlQuery &row, qtVOICEReceivedInfo &record);
};
