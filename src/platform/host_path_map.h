#pragma once

#include <QString>
#include <optional>

class DeviceFs;

// Host paths and file:// URIs given by desktop programs and shells, mapped onto the device.

// The host path an argument names: an absolute host path or a local file:// URI, made clean
// ("a/../b" resolved); empty for anything else (a device path, a remote URI).
QString HostPathOfArgument(const QString& argument);

// The device path of a host path that lies inside a mounted volume (the innermost one, since
// a card may hold the root's folder); none when it lies outside every volume. Links in the
// volumes' own folders and in the path are resolved, so that /home/me and its real folder
// both map.
std::optional<QString> DevicePathOfHost(DeviceFs& fs, const QString& hostPath);
