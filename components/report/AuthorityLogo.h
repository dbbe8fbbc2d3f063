#pragma once
// The issuing authority's emblem printed at the left of every report's page
// header: a shield with the authority's acronym, 86 x 95 pixels.

#include <QImage>

QImage AuthorityLogo();
