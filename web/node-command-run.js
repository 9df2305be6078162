// Run at once, as a command. The program's directory is the folder of its embedded files.
Module({ thisProgram: '/.tessivane-calc/tessivane-calc' });
