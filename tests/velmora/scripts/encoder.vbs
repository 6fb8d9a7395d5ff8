' Sets and clears the control's encoder late-bound, and asks for an item beyond
' the disc, as a script host does.
Set ripper = CreateObject("ORVEK.CDRipper")
WScript.Echo "none " & (ripper.Encoder Is Nothing)
Set encoder = CreateObject("VelmoraTest.Encoder")
Set ripper.Encoder = encoder
WScript.Echo "set " & (ripper.Encoder Is encoder)
Set ripper.Encoder = Nothing
WScript.Echo "cleared " & (ripper.Encoder Is Nothing)
Set ripper.Encoder = encoder
ripper.Encoder = Empty
WScript.Echo "emptied " & (ripper.Encoder Is Nothing)

On Error Resume Next
Set ripper.Encoder = ripper.Drives
WScript.Echo "not an encoder " & Hex(Err.Number) & " " & Err.Description
Err.Clear
Set track = ripper.Drives(1).GetTrack(99)
WScript.Echo "track " & Hex(Err.Number) & " " & Err.Description & " [" & Err.Source & "]"
Err.Clear
Set track = ripper.Drives(1).Tracks(4)
WScript.Echo "item " & Hex(Err.Number) & " " & Err.Description & " [" & Err.Source & "]"
Err.Clear
Set drive = ripper.GetDrive(2)
WScript.Echo "drive " & Hex(Err.Number) & " " & Err.Description & " [" & Err.Source & "]"
Err.Clear
Set record = ripper.Drives(1).GetCDDBRecord(1)
WScript.Echo "record " & Hex(Err.Number) & " " & Err.Description
Err.Clear
On Error GoTo 0
WScript.Echo "DONE"
