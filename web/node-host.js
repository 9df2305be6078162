// Runs a program of this build under node as a command of the machine: its files at their
// own paths, standard streams that carry bytes unchanged and tell a terminal from a pipe, the
// caller's environment and working directory.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  var nodeFs = require('fs');
  // A link's own text (NODEFS would make it relative to its mount): each folder is mounted
  // at its own path, so the file system then resolves the link as the machine does.
  NODEFS.node_ops.readlink = function (node) {
    try {
      return nodeFs.readlinkSync(NODEFS.realPath(node));
    } catch (e) {
      throw new FS.ErrnoError(NODEFS.convertNodeCode(e));
    }
  };
  // Owner and group reach the machine's files (NODEFS would only set the time).
  var chown = FS.chown;
  FS.chown = function (path, uid, gid, dontFollow) {
    var node = typeof path == 'string' ? FS.lookupPath(path, { follow: !dontFollow }).node : path;
    if (node.mount.type !== NODEFS)
      return chown(path, uid, gid, dontFollow);
    try {
      (dontFollow ? nodeFs.lchownSync : nodeFs.chownSync)(NODEFS.realPath(node), uid, gid);
    } catch (e) {
      throw new FS.ErrnoError(NODEFS.convertNodeCode(e));
    }
  };
  // A new mode or size sets no times besides (NODEFS would, which needs the file's owner).
  var setattr = NODEFS.node_ops.setattr;
  NODEFS.node_ops.setattr = function (node, attr) {
    if (attr.mode !== undefined || attr.size !== undefined)
      attr = { mode: attr.mode, size: attr.size };
    setattr(node, attr);
  };
  // Access as the machine grants it to this process; the in-memory file system would judge
  // by the mode alone, as if every file were the user's own.
  var nodePermissions = FS.nodePermissions;
  FS.nodePermissions = function (node, perms) {
    if (FS.ignorePermissions || node.mount.type !== NODEFS)
      return nodePermissions(node, perms);
    var wanted = (perms.includes('r') ? nodeFs.constants.R_OK : 0) |
      (perms.includes('w') ? nodeFs.constants.W_OK : 0) |
      (perms.includes('x') ? nodeFs.constants.X_OK : 0);
    try {
      nodeFs.accessSync(NODEFS.realPath(node), wanted);
      return 0;
    } catch (e) {
      return ERRNO_CODES.EACCES;
    }
  };
  // Every folder of the machine's root over the in-memory file system, which keeps its own
  // devices and process folder (and the program's embedded files).
  nodeFs.readdirSync('/').forEach(function (name) {
    var path = '/' + name;
    if (name === 'dev' || name === 'proc')
      return;
    try {
      if (!nodeFs.statSync(path).isDirectory())
        return;
    } catch (e) {
      return;
    }
    if (!FS.analyzePath(path).exists)
      FS.mkdir(path);
    FS.mount(NODEFS, { root: path }, path);
  });
  // Of /dev and /proc the machine's shared memory and process folders, as the native program
  // sees them (the in-memory /dev keeps null, tty and the standard streams).
  ['/dev/shm', '/proc'].forEach(function (path) {
    try {
      if (!nodeFs.statSync(path).isDirectory())
        return;
    } catch (e) {
      return;
    }
    FS.mkdirTree(path);
    FS.mount(NODEFS, { root: path }, path);
  });
  // The working folder, wherever it is; one that was deleted holds no files, as for the
  // native program, so relative names then find nothing.
  var cwd;
  try {
    cwd = process.cwd();
  } catch (e) {
    cwd = '/.deleted-working-folder';
    FS.mkdirTree(cwd);
  }
  try {
    FS.chdir(cwd);
  } catch (e) {
    FS.mkdirTree(cwd);
    FS.mount(NODEFS, { root: cwd }, cwd);
    FS.chdir(cwd);
  }

  // The caller's environment in place of the made-up one.
  ['USER', 'LOGNAME', 'PATH', 'PWD', 'HOME', 'LANG', '_'].forEach(function (name) {
    ENV[name] = undefined;
  });
  Object.assign(ENV, process.env);
});

Module['onRuntimeInitialized'] = function () {
  var nodeFs = require('fs');
  var nodeTty = require('tty');
  function failure(e) {
    return new FS.ErrnoError(ERRNO_CODES[e.code] || ERRNO_CODES.EIO);
  }
  // Node puts /dev/null (read and write) in place of a standard stream the caller closed; the
  // native program finds it closed, and so does this one (a redirection opens /dev/null for
  // reading or writing only).
  function closedByCaller(fd) {
    try {
      return nodeFs.readlinkSync('/proc/self/fd/' + fd) === '/dev/null' &&
        /^flags:\s*[0-7]*2$/m.test(nodeFs.readFileSync('/proc/self/fdinfo/' + fd, 'latin1'));
    } catch (e) {
      return false;
    }
  }
  // Standard input, output and error go straight to the process's own descriptors.
  [0, 1, 2].forEach(function (fd) {
    var closed = closedByCaller(fd);
    var stream = FS.streams[fd];
    stream.tty = nodeTty.isatty(fd) ? stream.tty || {} : undefined;
    stream.stream_ops = {
      read: function (stream, buffer, offset, length) {
        for (;;) {
          try {
            return nodeFs.readSync(fd, buffer, offset, length, null);
          } catch (e) {
            if (e.code === 'EOF')
              return 0;
            if (e.code !== 'EAGAIN')
              throw failure(e);
          }
        }
      },
      write: function (stream, buffer, offset, length) {
        if (closed)
          throw new FS.ErrnoError(ERRNO_CODES.EBADF);
        var written = 0;
        while (written < length) {
          try {
            written += nodeFs.writeSync(fd, buffer, offset + written, length - written);
          } catch (e) {
            if (e.code !== 'EAGAIN')
              throw failure(e);
          }
        }
        return length;
      },
      llseek: function () {
        throw new FS.ErrnoError(ERRNO_CODES.ESPIPE);
      },
      close: function () {},
    };
  });
};
