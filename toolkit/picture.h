// A picture: an image that never changes, shared by every control that holds
// it. Two controls show the same picture when they share it, not when their
// pixels happen to agree, so pictures compare by identity.
#pragma once

#include <QImage>

#include <memory>

namespace toolkit {

using Picture = std::shared_ptr<const QImage>;

} // namespace toolkit
