// La página: la lista de los programas y, con ?programa=NOMBRE, ese programa
// corriendo en un terminal. Al acabar, ofrece empezarlo de nuevo.
//
// PROGRAMAS viene de programas.js, que escribe la compilación; Terminal
// (xterm.js) y openpty (xterm-pty) de sus bibliotecas; crearPrograma, del
// script del programa (programas/NOMBRE.js), que index.html empieza a cargar
// (cargaDelPrograma).
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
      elemento.append(enlace, `: ${descripcion}`);
      lista.append(elemento);
    }
  }

  function avisar(texto) {
    $('aviso').textContent = texto;
    $('aviso').hidden = false;
  }

  function describir(resultado) {
    if (resultado.senal === 'SIGINT') return 'El programa se ha interrumpido (Ctrl+C).';
    if (resultado.senal === 'SIGQUIT') return 'El programa se ha interrumpido (Ctrl+\\).';
    if (resultado.fallo) return `El programa ha fallado (detalle técnico: ${resultado.fallo}).`;
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
  if (typeof WebAssembly !== 'object') {
    avisar(
      'Este navegador no puede ejecutar los programas (no tiene WebAssembly). ' +
        'Prueba con una versión reciente de Chrome, Edge o Firefox.',
    );
    return;
  }

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
    consolas.ejecucion = new Ejecucion(window.crearPrograma, slave, terminal, (resultado) => {
      $('fin-texto').textContent = describir(resultado);
      $('fin').hidden = false;
      $('otra-vez').focus();
    });
  }

  $('otra-vez').addEventListener('click', empezar);
  window.cargaDelPrograma.then((cargado) => {
    if (cargado) empezar();
    else avisar(`No se ha podido cargar el programa ${nombre}.`);
  });
})();
