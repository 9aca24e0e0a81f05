#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

// Our own SVG icons by name ("nuvio-4001", "nuvio-tool-cut"), from the resources.
QIcon NuvioIcon(const QString& name);

// The first icon of a preference list that resolves: icon-theme names, then our own
// ("nuvio-NNNN"). Results are kept, so that each list is resolved once.
QIcon IconFromNames(const QStringList& names);
