// A contact sheet: named pictures laid out in rows on a neutral card, each with its name.
#pragma once

#include <QImage>
#include <QString>
#include <utility>
#include <vector>

namespace banzuri::pictures {

// `pictures` carry their device pixel ratio; the sheet has the given ratio too.
QImage contact_sheet(const std::vector<std::pair<QString, QImage>>& pictures, qreal ratio);

}  // namespace banzuri::pictures
