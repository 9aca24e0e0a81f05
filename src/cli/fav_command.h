#pragma once

#include <QStringList>

class CliContext;

// nuvio fav: the favourite folders of the explorer's address bar.
int RunFav(CliContext& context, const QStringList& arguments);
