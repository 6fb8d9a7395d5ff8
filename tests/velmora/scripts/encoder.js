// Sets and clears the control's encoder late-bound from JScript, whose null and
// undefined clear it.
var ripper = new ActiveXObject("ORVEK.CDRipper");
var encoder = new ActiveXObject("VelmoraTest.Encoder");
ripper.Encoder = encoder;
WScript.Echo("set " + (ripper.Encoder == encoder));
ripper.Encoder = null;
WScript.Echo("null " + (ripper.Encoder == null));
ripper.Encoder = encoder;
ripper.Encoder = undefined;
WScript.Echo("undefined " + (ripper.Encoder == null));
try {
    ripper.Encoder = 5;
    WScript.Echo("a number was taken");
} catch (e) {
    WScript.Echo("number refused");
}
try {
    ripper.GetDrive(1).GetTrack(0x7FFFFFFF);
} catch (e) {
    WScript.Echo("beyond: " + e.description);
}
try {
    ripper.Encoder(1);
    WScript.Echo("an index was taken");
} catch (e) {
    WScript.Echo("no encoder to index");
}
WScript.Echo("second " + ripper.Drives(1).Name.length);
WScript.Echo("DONE");
