#pragma once
// The network name of a remote mount in the form "\\server\share[\path]", made from the
// mount source: "//server/share" (CIFS/SMB), "server:/export" (NFS), "[v6addr]:/export",
// "user@host:/path" (sshfs; the user is left out). Empty when the source has none of
// these shapes.

#include <string>
#include <string_view>

namespace os {

std::string NetworkNameFromSource(std::string_view source);

// Whether the file system type is one reached over the network.
bool IsNetworkFileSystem(std::string_view fsType);

}  // namespace os
