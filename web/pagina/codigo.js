// El código del programa junto al terminal: una pestaña por fichero, en el
// orden de lectura, y el fichero elegido, de solo lectura, resaltado y con
// los números de línea. Las pestañas siguen la pauta de pestañas de ARIA:
// Tab entra en la pestaña elegida y de ahí pasa al fichero; las flechas,
// Inicio y Fin eligen otra.
//
// `ficheros` viene de lecciones/NOMBRE.js: de cada fichero, su ruta, su
// número de líneas y su HTML ya resaltado (hecho al compilar la página, con
// highlight.js; el HTML es de la compilación, no de quien visita la página).
function mostrarCodigo(pestanas, panel, ficheros) {
  const numeros = panel.querySelector('.numeros');
  const fuente = panel.querySelector('code');
  const botones = ficheros.map(({ ruta }, i) => {
    const boton = document.createElement('button');
    boton.type = 'button';
    boton.id = `pestana-${i}`;
    boton.setAttribute('role', 'tab');
    boton.setAttribute('aria-controls', panel.id);
    // Las cabeceras de consola/ con su carpeta, como las incluye un programa.
    boton.textContent = ruta.startsWith('consola/') ? ruta.replace(/^.*\/(consola\/)/, '$1') : ruta.replace(/^.*\//, '');
    boton.title = ruta;
    boton.addEventListener('click', () => elegir(i));
    pestanas.append(boton);
    return boton;
  });

  function elegir(elegida, enfocar = false) {
    botones.forEach((boton, i) => {
      boton.setAttribute('aria-selected', String(i === elegida));
      boton.tabIndex = i === elegida ? 0 : -1;
    });
    const { lineas, html } = ficheros[elegida];
    panel.setAttribute('aria-labelledby', botones[elegida].id);
    numeros.textContent = Array.from({ length: lineas }, (_, i) => i + 1).join('\n');
    fuente.innerHTML = html;
    panel.scrollTop = 0;
    panel.scrollLeft = 0;
    if (enfocar) botones[elegida].focus();
  }

  pestanas.addEventListener('keydown', (evento) => {
    const actual = botones.indexOf(document.activeElement);
    const destino = {
      ArrowRight: actual + 1,
      ArrowDown: actual + 1,
      ArrowLeft: actual - 1,
      ArrowUp: actual - 1,
      Home: 0,
      End: botones.length - 1,
    }[evento.key];
    if (actual < 0 || destino === undefined) return;
    evento.preventDefault();
    elegir((destino + botones.length) % botones.length, true);
  });

  elegir(0);
}
