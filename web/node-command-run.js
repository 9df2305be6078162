// Run at once, as a command. The program's directory is the folder of its embedded files.
// A failure of the host itself is one line and status 1, never the program's own code.
function internalError(e) {
  if (e && e.name === 'ExitStatus')
    process.exit(e.status);
  var reason = String((e && e.message) || e).split('\n')[0];
  try {
    require('fs').writeSync(2, 'tessivane-calc: internal error: ' + reason + '\n');
  } catch (ignored) {
  }
  process.exit(1);
}
process.on('uncaughtException', internalError);
process.on('unhandledRejection', internalError);
try {
  Module({ thisProgram: '/.tessivane-calc/tessivane-calc' });
} catch (e) {
  internalError(e);
}
