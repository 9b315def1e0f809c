// La página: la lista de los programas y, con ?programa=NOMBRE, ese programa
// corriendo en un terminal. Al acabar, ofrece empezarlo de nuevo.
//
// PROGRAMAS viene de programas.js, que escribe la compilación; Terminal
// (xterm.js) y openpty (xterm-pty) de sus bibliotecas.
(() => {
  const $ = (id) => document.getElementById(id);

  function mostrarLista(actual) {
    const lista = $('programas');
    for (const { nombre, descripcion } of PROGRAMAS) {
      const enlace = document.createElement('a');
      enlace.href = `?programa=${nombre}`;
      enlace.textContent = nombre;
      enlace.title = descripcion;
      if (nombre === actual) enlace.setAttribute('aria-current', 'page');
      const elemento = document.createElement('li');
      elemento.append(enlace, ` ${descripcion}`);
      lista.append(elemento);
    }
  }

  function avisar(texto) {
    $('aviso').textContent = texto;
    $('aviso').hidden = false;
  }

  function describir(resultado) {
    if (resultado.senal) return 'El programa ha terminado con Ctrl+C.';
    if (resultado.fallo) return `El programa ha fallado: ${resultado.fallo}`;
    return `El programa ha terminado (estado de salida ${resultado.estado}).`;
  }

  const nombre = new URLSearchParams(location.search).get('programa');
  mostrarLista(nombre);
  if (nombre === null) return;
  if (!PROGRAMAS.some((programa) => programa.nombre === nombre)) {
    avisar(`No hay ningún programa llamado «${nombre}». Elige uno de la lista.`);
    return;
  }
  document.title = `${nombre} · Consolas`;
  $('nombre').textContent = nombre;
  // Sin aislamiento no hay memoria compartida con el worker. coi-serviceworker
  // lo consigue en un servidor que no envía las cabeceras, recargando la
  // página una vez; si ni así, se explica.
  if (!window.crossOriginIsolated) {
    if (window.isSecureContext && 'serviceWorker' in navigator) {
      avisar('Preparando la página…');
      // coi-serviceworker recarga la página para que su service worker la
      // sirva; si la recargó antes de tiempo y el service worker tomó la
      // página ya cargada, hace falta otra recarga. Tres como mucho.
      const recargar = () => {
        const recargas = Number(sessionStorage.getItem('recargas') || 0);
        if (recargas < 3) {
          sessionStorage.setItem('recargas', recargas + 1);
          location.reload();
        } else {
          avisar('Este navegador no permite a la página la memoria compartida que necesita.');
        }
      };
      if (navigator.serviceWorker.controller) recargar();
      else navigator.serviceWorker.addEventListener('controllerchange', recargar);
    } else {
      avisar(
        'Esta página necesita servirse por https (o desde localhost, con ' +
          '«make web-serve»); abierta como fichero no puede ejecutar los programas.',
      );
    }
    return;
  }
  sessionStorage.removeItem('recargas');

  const terminal = new Terminal({
    cols: 80,
    rows: 24,
    cursorBlink: true,
    fontFamily: '"DejaVu Sans Mono", "Liberation Mono", Consolas, monospace',
    fontSize: 15,
  });
  terminal.open($('terminal'));
  const { master, slave } = openpty();
  terminal.loadAddon(master);
  $('consola').hidden = false;

  const consolas = { terminal, ejecucion: null, empezar };
  window.consolas = consolas;

  function empezar() {
    $('fin').hidden = true;
    terminal.reset();
    terminal.focus();
    consolas.ejecucion = new Ejecucion(nombre, slave, terminal, (resultado) => {
      $('fin-texto').textContent = describir(resultado);
      $('fin').hidden = false;
      $('otra-vez').focus();
    });
  }

  $('otra-vez').addEventListener('click', empezar);
  empezar();
})();
