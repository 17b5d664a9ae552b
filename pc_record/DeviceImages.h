#pragma once
// The device tree's pictures: 30 small drawings of 20 by 20 pixels, one per device category key.
namespace ui {
class ImageList;
}

namespace pcrecord {

// Adds the 30 pictures under their keys (kDeviceImageKeys) in order.
void fillDeviceImages(ui::ImageList& images);

}  // namespace pcrecord
