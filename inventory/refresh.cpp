#include "inventory/refresh.h"

#include "inventory/device_detection.h"
#include "inventory/media_scan.h"
#include "platform/volumes.h"

namespace kerovia {

void Refresh(MainView& main, ProgressView& progress, FileList& list, Services& services) {
  // The drives are listed anew each time, so a phone plugged in after start-up is seen.
  if (DetectDevice(main, services, ListVolumes())) RunMediaScan(main, progress, list);
}

}  // namespace kerovia
