#pragma once
// The link labels that most tool windows carry: the forum banner and the frame with the co-brand
// and full-brand offers.

#include <QString>

class QGroupBox;
class QWidget;

namespace orbika {

class LinkLabel;
class Platform;

// `fraFullBrand` with `lblCobrand` (co-brand page) and `lblFullBrand` (full-brand page).
QGroupBox* CreateBrandFrame(QWidget* parent, Platform& platform);

// A banner label (`Label61` or `Label14`) that opens the publisher's home page.
LinkLabel* CreateForumBanner(QWidget* parent, Platform& platform, const QString& objectName,
                             const QString& text);

} // namespace orbika
