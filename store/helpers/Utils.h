#pragma once

#include <QObject>

// Gives the shared user texts of the store and its helpers their translation context "Utils".
class Utils : public QObject
{
    Q_OBJECT
};
