// Walks the drives and tracks through _NewEnum from JScript.
var ripper = new ActiveXObject("ORVEK.CDRipper");
for (var drives = new Enumerator(ripper.Drives); !drives.atEnd(); drives.moveNext()) {
    var drive = drives.item();
    var sizes = [];
    for (var tracks = new Enumerator(drive.Tracks); !tracks.atEnd(); tracks.moveNext())
        sizes.push(tracks.item().Size);
    WScript.Echo("drive " + drive.Tracks.Count + " " + sizes.join(","));
}
WScript.Echo("DONE");
