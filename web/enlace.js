// Biblioteca de Emscripten (--js-library) que lleva los descriptores 0, 1 y 2
// de un programa al terminal de la página, como en Linux los lleva el núcleo
// a un terminal: lecturas, escrituras, el modo del terminal (termios), su
// tamaño, el grupo de procesos en primer plano y la espera de poll().
//
// Cómo hace la página de terminal, y por qué así. El programa corre en el
// hilo de la página, sin worker y sin memoria compartida: cuando tiene que
// esperar entrada (read, o poll con un plazo), Asyncify guarda su pila,
// devuelve el control al navegador y la rehace cuando la entrada llega o el
// plazo vence; las excepciones de C++ (las de JavaScript, -fexceptions)
// cruzan esas esperas. Así la página funciona en cualquier servidor
// estático, dentro de un iframe de otro sitio y abierta desde el disco
// (file://): en ninguno de los tres está aislada de otros orígenes, y sin
// ese aislamiento el navegador no da memoria compartida a un worker.
// Las herramientas de worker de xterm-pty, medidas con Emscripten 3.1.6, no
// bastaban: no respetaban el plazo de poll, perdían Ctrl+D o lo convertían
// en un NUL, hacían un viaje de ida y vuelta por cada byte escrito,
// respondían 0 como grupo en primer plano e ignoraban Ctrl+C. Por eso el
// núcleo es de la página (ejecucion.js): de xterm-pty solo se usa la
// disciplina de línea.
//
// Lo que está escrito a mano para Emscripten 3.1.6, y para qué: los
// desplazamientos de struct termios (los de su musl); el __postset vacío de
// fd_write; salirAlAcabarMain, pues cuando main ha esperado con Asyncify,
// Emscripten no sale al acabar main. TERM no se pone aquí sino en
// Module.preRun (ejecucion.js), antes de que main empiece.
//
// Module.terminal es la Ejecucion de ejecucion.js. Estas funciones sustituyen
// a las del sistema de ficheros de Emscripten, que el programa no necesita
// (FILESYSTEM=0): no hay más descriptores que esos tres.

mergeInto(LibraryManager.library, {
  // Desplazamientos de struct termios en la biblioteca C de Emscripten 3.1.6
  // (musl): cuatro banderas de 32 bits, c_line y luego c_cc. Con otra versión
  // de Emscripten hay que comprobarlos.
  $TERMIOS_CC: 17,
  $TERMIOS_NCCS: 32,

  $esDelTerminal: function(fd) {
    return fd >= 0 && fd <= 2;
  },

  // Copia `bytes` en los trozos de memoria de un iovec; devuelve cuántos copió.
  $repartirEnIovec: function(bytes, iov, iovcnt) {
    var hechos = 0;
    for (var i = 0; i < iovcnt && hechos < bytes.length; i++) {
      var destino = {{{ makeGetValue('iov', 'i*8', 'i32') }}};
      var capacidad = {{{ makeGetValue('iov', 'i*8 + 4', 'i32') }}};
      var parte = bytes.subarray(hechos, hechos + capacidad);
      HEAPU8.set(parte, destino);
      hechos += parte.length;
    }
    return hechos;
  },

  // Cuando main ha esperado entrada, la primera llamada a main vuelve al
  // esperar, y lo que devuelve main de verdad llega después, al acabar la
  // última espera: entonces se sale con ese estado (corren las funciones de
  // atexit y la página se entera por Module.onExit). Un exit() del programa
  // después de una espera llega aquí como ExitStatus, que no es un fallo.
  $salirAlAcabarMain__deps: ['$Asyncify', '$handleException'],
  $salirAlAcabarMain__postset: 'addOnPostRun(salirAlAcabarMain);',
  $salirAlAcabarMain: function() {
    if (!Asyncify.currData) return;
    Asyncify.whenDone().then(function(estado) {
      exit(estado);
    }).catch(handleException);
  },

  // Una lectura espera al menos un byte; ninguno es el fin de la entrada
  // (Ctrl+D). Mientras espera, Asyncify guarda la pila del programa; al
  // volver, fd_read se llama otra vez con los mismos argumentos y
  // handleSleep devuelve lo que se le pasó a `seguir`.
  fd_read__deps: ['$esDelTerminal', '$repartirEnIovec', '$Asyncify', '$salirAlAcabarMain'],
  fd_read: function(fd, iov, iovcnt, pnum) {
    if (!esDelTerminal(fd)) return {{{ cDefine('EBADF') }}};
    var cabe = 0;
    for (var i = 0; i < iovcnt; i++) {
      cabe += {{{ makeGetValue('iov', 'i*8 + 4', 'i32') }}};
    }
    if (cabe === 0) {
      {{{ makeSetValue('pnum', 0, '0', 'i32') }}};
      return 0;
    }
    return Asyncify.handleSleep(function(seguir) {
      Module['terminal'].leer(cabe, function(bytes) {
        var leidos = repartirEnIovec(bytes, iov, iovcnt);
        {{{ makeSetValue('pnum', 0, 'leidos', 'i32') }}};
        seguir(0);
      });
    });
  },

  // Es intencionado: el __postset vacío anula el de la fd_write de
  // Emscripten, que al salir llamaría al vaciado de sus propios búferes de
  // printf; esta fd_write no los usa ni incluye ese vaciado, y la llamada
  // fallaría al acabar el programa (ReferenceError).
  fd_write__deps: ['$esDelTerminal'],
  fd_write__postset: '',
  fd_write: function(fd, iov, iovcnt, pnum) {
    if (!esDelTerminal(fd)) return {{{ cDefine('EBADF') }}};
    var trozos = [];
    var total = 0;
    for (var i = 0; i < iovcnt; i++) {
      var origen = {{{ makeGetValue('iov', 'i*8', 'i32') }}};
      var longitud = {{{ makeGetValue('iov', 'i*8 + 4', 'i32') }}};
      trozos.push(HEAPU8.subarray(origen, origen + longitud));
      total += longitud;
    }
    // Una escritura del programa llega entera y de una vez a la página.
    var bytes = new Uint8Array(total);
    var en = 0;
    trozos.forEach(function(trozo) {
      bytes.set(trozo, en);
      en += trozo.length;
    });
    if (total > 0) Module['terminal'].escribir(bytes);
    {{{ makeSetValue('pnum', 0, 'total', 'i32') }}};
    return 0;
  },

  fd_close__deps: ['$esDelTerminal'],
  fd_close: function(fd) {
    return esDelTerminal(fd) ? 0 : {{{ cDefine('EBADF') }}};
  },

  // Un terminal no tiene posición: como en Linux, no se puede mover.
  fd_seek__deps: ['$esDelTerminal'],
  fd_seek: function(fd, {{{ defineI64Param('offset') }}}, whence, newOffset) {
    return esDelTerminal(fd) ? {{{ cDefine('ESPIPE') }}} : {{{ cDefine('EBADF') }}};
  },

  // isatty() pregunta el tipo: los tres son un dispositivo de caracteres.
  fd_fdstat_get__deps: ['$esDelTerminal'],
  fd_fdstat_get: function(fd, pbuf) {
    if (!esDelTerminal(fd)) return {{{ cDefine('EBADF') }}};
    {{{ makeSetValue('pbuf', C_STRUCTS.__wasi_fdstat_t.fs_filetype, cDefine('__WASI_FILETYPE_CHARACTER_DEVICE'), 'i8') }}};
    {{{ makeSetValue('pbuf', C_STRUCTS.__wasi_fdstat_t.fs_flags, 0, 'i16') }}};
    return 0;
  },

  __syscall_ioctl__deps: ['$esDelTerminal', '$TERMIOS_CC', '$TERMIOS_NCCS'],
  __syscall_ioctl: function(fd, op, varargs) {
    if (!esDelTerminal(fd)) return -{{{ cDefine('EBADF') }}};
    var terminal = Module['terminal'];
    var argp = {{{ makeGetValue('varargs', 0, 'i32') }}};
    switch (op) {
      case {{{ cDefine('TCGETS') }}}: {
        var modo = terminal.leerModo();
        {{{ makeSetValue('argp', 0, 'modo.iflag', 'i32') }}};
        {{{ makeSetValue('argp', 4, 'modo.oflag', 'i32') }}};
        {{{ makeSetValue('argp', 8, 'modo.cflag', 'i32') }}};
        {{{ makeSetValue('argp', 12, 'modo.lflag', 'i32') }}};
        HEAPU8.set(modo.cc.slice(0, TERMIOS_NCCS), argp + TERMIOS_CC);
        return 0;
      }
      // La salida nunca queda pendiente, así que esperar a que salga (TCSETSW)
      // es lo mismo que no esperar; TCSETSF descarta además lo tecleado.
      case {{{ cDefine('TCSETS') }}}:
      case {{{ cDefine('TCSETSW') }}}:
      case {{{ cDefine('TCSETSF') }}}: {
        terminal.ponerModo({
          iflag: {{{ makeGetValue('argp', 0, 'i32') }}} >>> 0,
          oflag: {{{ makeGetValue('argp', 4, 'i32') }}} >>> 0,
          cflag: {{{ makeGetValue('argp', 8, 'i32') }}} >>> 0,
          lflag: {{{ makeGetValue('argp', 12, 'i32') }}} >>> 0,
          cc: Array.from(HEAPU8.subarray(argp + TERMIOS_CC, argp + TERMIOS_CC + TERMIOS_NCCS)),
        }, op === {{{ cDefine('TCSETSF') }}});
        return 0;
      }
      case {{{ cDefine('TIOCGWINSZ') }}}: {
        var tamanio = terminal.tamanio();
        {{{ makeSetValue('argp', 0, 'tamanio.filas', 'i16') }}};
        {{{ makeSetValue('argp', 2, 'tamanio.columnas', 'i16') }}};
        {{{ makeSetValue('argp', 4, 0, 'i16') }}};
        {{{ makeSetValue('argp', 6, 0, 'i16') }}};
        return 0;
      }
      // El programa es el único proceso del terminal: siempre está en primer
      // plano, con el grupo de procesos que le da la biblioteca C.
      case {{{ cDefine('TIOCGPGRP') }}}: {
        var grupo = _getpgrp();
        {{{ makeSetValue('argp', 0, 'grupo', 'i32') }}};
        return 0;
      }
      case {{{ cDefine('TIOCSPGRP') }}}:
        return 0;
      default:
        return -{{{ cDefine('ENOTTY') }}};
    }
  },

  // Escribir en el terminal nunca espera; leer espera a que haya entrada, como
  // mucho `espera` milisegundos (negativo: sin límite). Si ya hay algo listo,
  // solo se mira si hay entrada, sin esperarla. Como fd_read, con Asyncify.
  __syscall_poll__deps: ['$esDelTerminal', '$Asyncify', '$salirAlAcabarMain'],
  __syscall_poll: function(fds, nfds, espera) {
    function pollfd(i) {
      return fds + {{{ C_STRUCTS.pollfd.__size__ }}} * i;
    }
    function sinEntrada(fd, eventos) {
      if (fd < 0) return 0;
      if (!esDelTerminal(fd)) return {{{ cDefine('POLLNVAL') }}};
      return eventos & {{{ cDefine('POLLOUT') }}};
    }
    function responder(hayEntrada) {
      var listos = 0;
      for (var i = 0; i < nfds; i++) {
        var fd = {{{ makeGetValue('pollfd(i)', C_STRUCTS.pollfd.fd, 'i32') }}};
        var eventos = {{{ makeGetValue('pollfd(i)', C_STRUCTS.pollfd.events, 'i16') }}};
        var ocurridos = sinEntrada(fd, eventos);
        if (hayEntrada && esDelTerminal(fd)) ocurridos |= eventos & {{{ cDefine('POLLIN') }}};
        {{{ makeSetValue('pollfd(i)', C_STRUCTS.pollfd.revents, 'ocurridos', 'i16') }}};
        if (ocurridos) listos++;
      }
      return listos;
    }
    var quiereLeer = false;
    var otroListo = false;
    for (var i = 0; i < nfds; i++) {
      var fd = {{{ makeGetValue('pollfd(i)', C_STRUCTS.pollfd.fd, 'i32') }}};
      var eventos = {{{ makeGetValue('pollfd(i)', C_STRUCTS.pollfd.events, 'i16') }}};
      if (sinEntrada(fd, eventos)) otroListo = true;
      if (esDelTerminal(fd) && (eventos & {{{ cDefine('POLLIN') }}})) quiereLeer = true;
    }
    if (!quiereLeer) return responder(false);
    return Asyncify.handleSleep(function(seguir) {
      Module['terminal'].esperar(otroListo ? 0 : espera, function(hayEntrada) {
        seguir(responder(hayEntrada));
      });
    });
  },
});
